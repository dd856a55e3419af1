// Object, paint, size and quantity pictures of the choice exercises.
#include "choice.h"
#include "choice_art.h"
#include "draw.h"

#include <QPainterPath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace mediagen::choice {

namespace {

constexpr Look kAllLooks[] = {Look::Normal, Look::Highlighted, Look::Display};
constexpr Look kTileLooks[] = {Look::Normal, Look::Highlighted};

QString fileName(const QString &stem, Look look)
{
    return stem + QLatin1String(lookLetter(look)) + (look == Look::Display ? u".jpg"_s : u".Jpg"_s);
}

// The outline of sample object d (1..7) in a 100 × 100 design box. Parts
// that are lines only (strings, stems, eyes) come in lines.
QPainterPath sampleShape(int d, QPainterPath *lines)
{
    QPainterPath s;
    switch (d) {
    case 1: // balloon
        s.addEllipse(QRectF(24, 2, 52, 64));
        s.moveTo(50, 66);
        s.lineTo(44, 74);
        s.lineTo(56, 74);
        s.closeSubpath();
        lines->moveTo(50, 74);
        lines->cubicTo(40, 84, 60, 90, 50, 100);
        break;
    case 2: { // fish: the tail grows out of the body in one outline
        QPainterPath body;
        body.addEllipse(QRectF(6, 26, 64, 46));
        QPainterPath tail;
        tail.moveTo(56, 49);
        tail.lineTo(96, 24);
        tail.lineTo(96, 74);
        tail.closeSubpath();
        s = body.united(tail);
        lines->addEllipse(QRectF(18, 40, 8, 8));
        lines->moveTo(40, 34);
        lines->cubicTo(46, 44, 46, 54, 40, 64);
        break;
    }
    case 3: { // house
        QPainterPath wall;
        wall.addRect(QRectF(18, 46, 64, 50));
        QPainterPath roof;
        roof.moveTo(6, 50);
        roof.lineTo(50, 8);
        roof.lineTo(94, 50);
        roof.closeSubpath();
        s = wall.united(roof);
        lines->addRect(QRectF(42, 66, 16, 30));
        lines->addRect(QRectF(64, 58, 12, 12));
        break;
    }
    case 4: // star
        s = draw::starPath(QPointF(50, 54), 48, 21);
        break;
    case 5: // heart
        s.moveTo(50, 94);
        s.cubicTo(12, 66, 0, 44, 8, 26);
        s.cubicTo(16, 6, 44, 6, 50, 28);
        s.cubicTo(56, 6, 84, 6, 92, 26);
        s.cubicTo(100, 44, 88, 66, 50, 94);
        s.closeSubpath();
        break;
    case 6: { // apple
        QPainterPath body;
        body.addEllipse(QRectF(8, 24, 50, 70));
        QPainterPath right;
        right.addEllipse(QRectF(42, 24, 50, 70));
        s = body.united(right);
        QPainterPath leaf;
        leaf.moveTo(52, 18);
        leaf.cubicTo(60, 2, 78, 2, 84, 6);
        leaf.cubicTo(76, 20, 62, 22, 52, 18);
        s.addPath(leaf);
        lines->moveTo(50, 30);
        lines->cubicTo(48, 20, 46, 12, 42, 6);
        break;
    }
    default: { // flower
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            QPainterPath petal;
            petal.addEllipse(QPointF(50 + std::cos(a) * 24, 38 + std::sin(a) * 24), 17, 17);
            s = s.united(petal);
        }
        QPainterPath middle;
        middle.addEllipse(QPointF(50, 38), 13, 13);
        s = s.united(middle);
        lines->addEllipse(QPointF(50, 38), 13, 13);
        // The stem starts where the lowest petals meet.
        lines->moveTo(50, 70.5);
        lines->lineTo(50, 100);
        lines->moveTo(50, 92);
        lines->cubicTo(60, 84, 70, 84, 76, 86);
        break;
    }
    }
    return s;
}

// Positions (centres, in units of one item) of count items, and the item
// size as a fraction of the tray height. Up to six: the dots of a die on a
// 3 × 3 grid; seven to ten: a full row of five over the rest.
struct Arrangement {
    std::vector<QPointF> cells;  // column, row
    int columns = 3, rows = 3;
};

Arrangement arrange(int count)
{
    Arrangement a;
    switch (count) {
    case 0: break;
    case 1: a.cells = {{1, 1}}; break;
    case 2: a.cells = {{0, 0}, {2, 2}}; break;
    case 3: a.cells = {{0, 0}, {1, 1}, {2, 2}}; break;
    case 4: a.cells = {{0, 0}, {2, 0}, {0, 2}, {2, 2}}; break;
    case 5: a.cells = {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}; break;
    case 6: a.cells = {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}; break;
    default:
        a.columns = 5;
        a.rows = 2;
        for (int i = 0; i < count; ++i)
            a.cells.push_back(QPointF(i % 5, i / 5));
        break;
    }
    return a;
}

} // namespace

QImage objectPicture(int n, bool asPictogram, Look look)
{
    const QSize size = look == Look::Display ? kObjectDisplay : kObjectTile;
    QRect content;
    const QColor face = asPictogram ? (look == Look::Highlighted ? QColor(255, 244, 220) : QColor(238, 243, 252))
                                    : QColor();
    QImage img = card(size, look, &content, face);
    QPainter p(&img);
    const QImage art = sprite(objectGlyph(n));
    drawFitted(p, QRectF(content).adjusted(8, 4, -8, -4), asPictogram ? pictogram(art) : art);
    return img;
}

QImage paintPicture(int colour, Look look)
{
    QRect content;
    QImage img = card(look == Look::Display ? kObjectDisplay : kObjectTile, look, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // One splash of paint, the same shape for every colour.
    const QPointF c = QRectF(content).center();
    const qreal r = content.height() * 0.42;
    QPainterPath blob;
    for (int i = 0; i <= 72; ++i) {
        const double a = i * 2 * M_PI / 72;
        const double k = 1 + 0.10 * std::sin(5 * a) + 0.05 * std::sin(3 * a + 1.0);
        const QPointF pt = c + QPointF(std::cos(a) * r * k * 1.25, std::sin(a) * r * k);
        if (i == 0)
            blob.moveTo(pt);
        else
            blob.lineTo(pt);
    }
    blob.closeSubpath();
    const QColor paint = paintColour(colour);
    p.setPen(QPen(colour == 1 ? QColor(150, 150, 160) : paint.darker(135), 3));
    p.setBrush(paint);
    p.drawPath(blob);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(c + QPointF(-r * 0.55, -r * 0.45), r * 0.22, r * 0.12);
    return img;
}

QImage sampleObject(int object, int colour)
{
    QRect content;
    QImage img = card(kPatternBox, Look::Display, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath lines;
    const QPainterPath shape = sampleShape(object, &lines);
    const qreal side = qMin(content.width(), content.height()) - 8;
    p.translate(QRectF(content).center() - QPointF(side / 2, side / 2));
    p.scale(side / 100.0, side / 100.0);
    const QPen pen(QColor(55, 55, 70), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (colour > 0) {
        p.setBrush(paintColour(colour));
        p.drawPath(shape);
    } else {
        // Not painted yet: grey hatching inside the outline, so it never
        // looks like the object painted white.
        p.save();
        p.setClipPath(shape);
        p.setPen(QPen(QColor(150, 150, 162), 1.6));
        for (int x = -100; x < 100; x += 7)
            p.drawLine(QPointF(x, 100), QPointF(x + 100, 0));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(lines);
    return img;
}

QImage sizePicture(int set, int size, Look look)
{
    const int side = look == Look::Display ? sizeSetDisplaySide(size) : sizeSetTileSide(size);
    QRect content;
    QImage img = card(QSize(side, side), look, &content);
    QPainter p(&img);
    drawFitted(p, QRectF(content).adjusted(1, 1, -1, -1), sprite(objectGlyph(sizeSetObject(set))));
    return img;
}

QImage countPicture(int kind, int count, Look look)
{
    QRect content;
    QImage img = card(look == Look::Display ? kCountDisplay : kCountTile, look, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The tray: count 0 shows it empty.
    const QRectF tray = QRectF(content).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(215, 200, 165), 2));
    p.setBrush(QColor(250, 244, 226));
    p.drawRoundedRect(tray, 12, 12);
    const Arrangement a = arrange(count);
    if (a.cells.empty())
        return img;
    const QRectF area = tray.adjusted(4, 3, -4, -3);
    // Dice patterns sit in a square; rows of five use the whole width.
    const qreal cell = a.columns == 3 ? area.height() / 3 : qMin(area.width() / 5, area.height() / 2);
    const qreal gridW = cell * a.columns, gridH = cell * a.rows;
    const QPointF origin(area.left() + (area.width() - gridW) / 2, area.top() + (area.height() - gridH) / 2);
    const QImage art = sprite(countKindGlyph(kind));
    const qreal item = cell * 0.94;
    // One scaled copy drawn at every place keeps the items identical.
    const qreal scale = qMin(item / art.width(), item / art.height());
    const QImage scaled = art.scaled(qMax(1, qRound(art.width() * scale)), qMax(1, qRound(art.height() * scale)),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const QPointF &cellAt : a.cells) {
        const QPointF centre = origin + QPointF((cellAt.x() + 0.5) * cell, (cellAt.y() + 0.5) * cell);
        p.drawImage(QPointF(qRound(centre.x() - scaled.width() / 2.0), qRound(centre.y() - scaled.height() / 2.0)),
                    scaled);
    }
    return img;
}

void addObjectPictures(std::vector<MediaFile> &out)
{
    for (int n = 1; n <= kObjectCount; ++n)
        for (bool asPictogram : {false, true})
            for (Look look : kAllLooks) {
                const QString stem = (asPictogram ? u"obr\\101\\pikt"_s : u"obr\\101\\obr"_s) + pad(n, 3);
                out.push_back({fileName(stem, look),
                               [=] { return draw::jpeg(objectPicture(n, asPictogram, look)); }});
            }
}

void addColourPictures(std::vector<MediaFile> &out)
{
    for (int c = 1; c <= kColourCount; ++c)
        for (Look look : kTileLooks)
            out.push_back({fileName(u"obr\\102\\past"_s + pad(c, 3), look),
                           [=] { return draw::jpeg(paintPicture(c, look)); }});
    for (int d = 1; d <= 7; ++d) {
        out.push_back({u"obr\\102\\vzor"_s + QString::number(d) + u"d.jpg"_s,
                       [=] { return draw::jpeg(sampleObject(d, 0)); }});
        for (int c = 1; c <= kColourCount; ++c)
            out.push_back({u"obr\\102\\vzor"_s + QString::number(d) + u'_' + pad(c, 2) + u"d.jpg"_s,
                           [=] { return draw::jpeg(sampleObject(d, c)); }});
    }
}

void addSizePictures(std::vector<MediaFile> &out)
{
    for (int k = 1; k <= kSizeSetCount; ++k)
        for (int v = 1; v <= 4; ++v)
            for (Look look : kAllLooks)
                out.push_back({fileName(u"obr\\108\\obr"_s + pad(k, 2) + u'_' + QString::number(v), look),
                               [=] { return draw::jpeg(sizePicture(k, v, look)); }});
}

void addCountPictures(std::vector<MediaFile> &out)
{
    for (int k = 1; k <= kCountKinds; ++k) {
        const QString stem = u"obr\\111\\poc"_s + pad(k, 2) + u'_';
        for (int c = 0; c <= 10; ++c)
            for (Look look : kAllLooks)
                out.push_back({fileName(stem + pad(c, 2), look),
                               [=] { return draw::jpeg(countPicture(k, c, look)); }});
        // The largest-and-smallest exercise shows the counts 1, 2, 3, 5, 7
        // and 10 and pads its sample number to one digit; ten is the same
        // name at either width.
        for (int c : {1, 2, 3, 5, 7})
            out.push_back({stem + QString::number(c) + u"d.jpg"_s,
                           [=] { return draw::jpeg(countPicture(k, c, Look::Display)); }});
    }
}

} // namespace mediagen::choice
