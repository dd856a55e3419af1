// Media of decomposition: the pictures of W objects in two groups, the
// decomposition diagrams (full and with the second part empty), the whole
// numbers, and the explorer's number tiles, arrows, line, part numbers and
// balls with its spoken decompositions ("Pět je tři a dva.").
#include "choice_art.h"
#include "draw.h"
#include "family.h"
#include "numbers_media.h"
#include "speech.h"

#include <QPainterPath>

#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace mediagen::decomposition {

namespace {

using choice::Look;
using choice::pad;

constexpr int kHighest = 10;
constexpr int kKinds = 12;
constexpr QSize kTile(192, 146);
constexpr QSize kDisplay(216, 160);
constexpr QSize kWhole(100, 160);
// The explorer's pieces (sizes the explorer places them at).
constexpr QSize kRowNumber(56, 90);
constexpr QSize kArrow(55, 65);
constexpr QSize kWholeTile(86, 88);
constexpr QSize kLine(481, 38);
constexpr QSize kPart(62, 62);
constexpr QSize kBall(36, 36);
// The rod the balls sit on, the same rows in the line and in every ball.
constexpr int kRodTop = 16;
constexpr int kRodHeight = 6;
constexpr int kOpeningTakes = 8;

const QColor kInk(30, 75, 185);
const QColor kSecondInk(200, 60, 40);

QString fileName(const QString &stem, Look look)
{
    return stem + QLatin1String(choice::lookLetter(look)) + (look == Look::Display ? u".jpg"_s : u".Jpg"_s);
}

QString splitText(int whole, int first, int second)
{
    return pad(whole, 2) + u'_' + pad(first, 2) + u'_' + pad(second, 2);
}

// The number n as large as fits box (its height times fill), centred.
void drawNumber(QPainter &p, const QRectF &box, int n, QColor ink, qreal fill = 0.72)
{
    QPainterPath path = draw::textOutline(QString::number(n), 200, n >= 10);
    const QRectF b = path.boundingRect();
    const qreal scale = qMin(box.height() * fill / b.height(), box.width() * 0.86 / b.width());
    QTransform t;
    t.translate(box.center().x() - b.center().x() * scale, box.center().y() - b.center().y() * scale);
    t.scale(scale, scale);
    path = t.map(path);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.lighter(170));
    p.drawPath(path.translated(1.5, 1.5));
    p.setBrush(ink);
    p.drawPath(path);
    p.restore();
}

// The grid (columns, cell side) on which count items are largest in rect.
std::pair<int, qreal> bestGrid(int count, const QRectF &rect)
{
    int columns = 1;
    qreal best = 0;
    for (int c = 1; c <= count; ++c) {
        const int r = (count + c - 1) / c;
        const qreal side = qMin(rect.width() / c, rect.height() / r);
        if (side > best + 0.01)
            best = side, columns = c;
    }
    return {columns, best};
}

// count items of size item in rect on their best grid; rows centred.
void drawItems(QPainter &p, const QRectF &rect, int count, const QImage &art, qreal item)
{
    if (count <= 0 || art.isNull())
        return;
    const auto [columns, cell] = bestGrid(count, rect);
    const int rows = (count + columns - 1) / columns;
    const qreal scale = qMin(item / art.width(), item / art.height());
    const QImage scaled = art.scaled(qMax(1, qRound(art.width() * scale)), qMax(1, qRound(art.height() * scale)),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const qreal top = rect.top() + (rect.height() - rows * cell) / 2;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int inRow = row == rows - 1 ? count - row * columns : columns;
        const qreal left = rect.left() + (rect.width() - inRow * cell) / 2;
        const QPointF centre(left + (i % columns + 0.5) * cell, top + (row + 0.5) * cell);
        p.drawImage(QPointF(qRound(centre.x() - scaled.width() / 2.0), qRound(centre.y() - scaled.height() / 2.0)),
                    scaled);
    }
}

Look lookOf(bool display, bool highlighted)
{
    return display ? Look::Display : highlighted ? Look::Highlighted : Look::Normal;
}

// The decomposition diagram: W on top, P1 and P2 below, joined by lines.
QImage diagram(int whole, int first, int second, Look look, bool secondEmpty)
{
    QRect content;
    QImage img = choice::card(look == Look::Display ? kDisplay : kTile, look, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF c(content);
    const qreal bw = c.width() * 0.34, bh = c.height() * 0.40;
    const QRectF top(c.center().x() - bw / 2, c.top(), bw, bh);
    const QRectF left(c.left() + c.width() * 0.04, c.bottom() - bh, bw, bh);
    const QRectF right(c.right() - c.width() * 0.04 - bw, c.bottom() - bh, bw, bh);
    p.setPen(QPen(QColor(90, 90, 110), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(top.center().x(), top.bottom()), QPointF(left.center().x(), left.top()));
    p.drawLine(QPointF(top.center().x(), top.bottom()), QPointF(right.center().x(), right.top()));
    const auto box = [&p](const QRectF &r, QColor fill, bool dashed) {
        p.setPen(QPen(QColor(90, 90, 110), 2.5, dashed ? Qt::DashLine : Qt::SolidLine));
        p.setBrush(fill);
        p.drawRoundedRect(r, 9, 9);
    };
    box(top, QColor(220, 232, 255), false);
    box(left, QColor(255, 255, 255), false);
    box(right, secondEmpty ? QColor(250, 250, 250) : QColor(255, 255, 255), secondEmpty);
    drawNumber(p, top, whole, kInk);
    drawNumber(p, left, first, kInk);
    if (!secondEmpty)
        drawNumber(p, right, second, kSecondInk);
    return img;
}

QImage wholeNumber(int whole)
{
    QRect content;
    QImage img = choice::card(kWhole, Look::Display, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = qMin(content.width(), content.height()) - 4;
    const QRectF ring(QRectF(content).center() - QPointF(d / 2, d / 2), QSizeF(d, d));
    p.setPen(QPen(QColor(90, 90, 110), 3));
    p.setBrush(QColor(220, 232, 255));
    p.drawEllipse(ring);
    drawNumber(p, ring.adjusted(d * 0.15, d * 0.15, -d * 0.15, -d * 0.15), whole, kInk, 0.9);
    return img;
}

// ---------------------------------------------------------------- explorer

QImage rowNumber(int n, Look look)
{
    QRect content;
    QImage img = choice::card(kRowNumber, look, &content);
    QPainter p(&img);
    drawNumber(p, QRectF(content).adjusted(-4, 0, 4, 0), n, kInk, 0.6);
    return img;
}

QImage arrow(bool toRight, Look look)
{
    QRect content;
    QImage img = choice::card(kArrow, look, &content, look == Look::Highlighted ? QColor() : QColor(232, 246, 232));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF c = QRectF(content).adjusted(0, 6, 0, -6);
    QPainterPath a;
    const qreal cy = c.center().y(), shaft = c.height() * 0.18;
    a.moveTo(c.left(), cy - shaft);
    a.lineTo(c.left() + c.width() * 0.5, cy - shaft);
    a.lineTo(c.left() + c.width() * 0.5, c.top());
    a.lineTo(c.right(), cy);
    a.lineTo(c.left() + c.width() * 0.5, c.bottom());
    a.lineTo(c.left() + c.width() * 0.5, cy + shaft);
    a.lineTo(c.left(), cy + shaft);
    a.closeSubpath();
    if (!toRight)
        a = QTransform().translate(2 * c.center().x(), 0).scale(-1, 1).map(a);
    p.setPen(QPen(QColor(20, 100, 40), 2));
    p.setBrush(QColor(40, 170, 70));
    p.drawPath(a);
    return img;
}

QImage disc(QSize size, int n, Look look, QColor fill)
{
    QImage img = draw::canvas(size.width(), size.height(), choice::tileAreaColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(0, 0, size.width(), size.height()).adjusted(4, 4, -4, -4);
    if (look == Look::Highlighted) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 40, 140));
        p.drawEllipse(r.adjusted(-3, -3, 3, 3));
    }
    p.setPen(QPen(look == Look::Highlighted ? QColor(245, 140, 15) : QColor(90, 90, 110), 3));
    p.setBrush(fill);
    p.drawEllipse(r);
    drawNumber(p, r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18), n, kInk,
               0.95);
    return img;
}

void drawRod(QPainter &p, qreal left, qreal right)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 55));
    p.drawRect(QRectF(left, kRodTop, right - left, kRodHeight));
    p.setBrush(QColor(190, 140, 90));
    p.drawRect(QRectF(left, kRodTop, right - left, 2));
}

QImage line(Look look)
{
    QImage img = draw::canvas(kLine.width(), kLine.height(), choice::tileAreaColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawRod(p, 0, kLine.width());
    if (look == Look::Highlighted) {
        p.setPen(QPen(QColor(245, 140, 15), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, kLine.width() - 2, kLine.height() - 2));
    }
    return img;
}

QColor ballColour(int whole)
{
    return QColor::fromHsv((whole * 33) % 360, 200, 230);
}

QImage ball(int whole, Look look)
{
    QImage img = draw::canvas(kBall.width(), kBall.height(), choice::tileAreaColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawRod(p, 0, kBall.width());
    const QColor c = look == Look::Highlighted ? ballColour(whole).lighter(125) : ballColour(whole);
    QRadialGradient g(QPointF(13, 13), 20);
    g.setColorAt(0, c.lighter(160));
    g.setColorAt(1, c.darker(115));
    p.setPen(QPen(c.darker(150), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, kBall.width() - 4, kBall.height() - 4));
    return img;
}

} // namespace

QString numberWord(int n)
{
    static const QString words[kHighest + 1] = {u"nula"_s, u"jedna"_s, u"dva"_s,  u"tři"_s,   u"čtyři"_s, u"pět"_s,
                                                u"šest"_s, u"sedm"_s,  u"osm"_s,  u"devět"_s, u"deset"_s};
    return n >= 0 && n <= kHighest ? words[n] : QString::number(n);
}

QImage objectGroups(int whole, int first, int second, int kind, bool display, bool highlighted)
{
    (void)whole;
    QRect content;
    QImage img = choice::card(display ? kDisplay : kTile, lookOf(display, highlighted), &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF c(content);
    const qreal gap = 10;
    const qreal half = (c.width() - gap) / 2;
    const QImage art = choice::sprite(choice::countKindGlyph(kind));
    const QRectF trays[2] = {QRectF(c.left(), c.top(), half, c.height()),
                             QRectF(c.left() + half + gap, c.top(), half, c.height())};
    const int counts[2] = {first, second};
    // Both groups show their objects at one size, so neither looks like more.
    qreal item = c.height();
    for (int side = 0; side < 2; ++side)
        if (counts[side] > 0)
            item = qMin(item, bestGrid(counts[side], trays[side].adjusted(3, 3, -3, -3)).second * 0.9);
    for (int side = 0; side < 2; ++side) {
        p.setPen(QPen(QColor(215, 200, 165), 2));
        p.setBrush(QColor(250, 244, 226));
        p.drawRoundedRect(trays[side], 10, 10);
        drawItems(p, trays[side].adjusted(3, 3, -3, -3), counts[side], art, item);
    }
    return img;
}

std::vector<SpokenText> spokenTexts()
{
    std::vector<SpokenText> out;
    const auto name = [](const QString &tail) { return u"Zvuky\\205\\zv"_s + tail + u".wav"_s; };
    for (int w = 0; w <= kHighest; ++w) {
        const QString word = numberWord(w);
        const QStringList takes = w == 0
            ? QStringList{u"Nula. Tady není žádná kulička."_s, u"Číslo nula. Tady nic není."_s,
                          u"Nula. Žádná kulička."_s, u"Číslo nula. Nemáme žádnou kuličku."_s,
                          u"Nula. Tady nejsou žádné kuličky."_s, u"Číslo nula. Tady je prázdno."_s,
                          u"Nula. Není tu ani jedna kulička."_s, u"Číslo nula. Nic tu není."_s}
            : QStringList{u"Rozložíme číslo "_s + word + u'.', u"Číslo "_s + word + u". Přesouvej kuličky šipkami."_s,
                          u"Zkus rozložit číslo "_s + word + u'.', u"Teď rozkládáme číslo "_s + word + u'.',
                          u"Pojďme rozložit číslo "_s + word + u'.', u"Číslo "_s + word + u". Klikni na šipku."_s,
                          u"Rozlož číslo "_s + word + u" na dvě části."_s, u"Máme číslo "_s + word + u". Rozlož ho."_s};
        for (int t = 1; t <= kOpeningTakes; ++t)
            out.push_back({name(pad(w, 2) + u'-' + QString::number(t)), takes[t - 1]});
        for (int left = 0; left <= w; ++left) {
            QString text = word + u" je "_s + numberWord(left) + u" a "_s + numberWord(w - left) + u'.';
            text[0] = text[0].toUpper();
            out.push_back({name(splitText(w, left, w - left)), text});
        }
    }
    return out;
}

namespace {

class PictureFamily final : public Family {
public:
    QString id() const override { return u"decomposition"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        const Look all[] = {Look::Normal, Look::Highlighted, Look::Display};
        for (int w = 0; w <= kHighest; ++w)
            for (int first = 0; first <= w; ++first) {
                const int second = w - first;
                const QString split = splitText(w, first, second);
                for (Look look : all) {
                    out.push_back({fileName(u"obr\\206\\r"_s + split, look),
                                   [=] { return draw::jpeg(diagram(w, first, second, look, false)); }});
                    const bool display = look == Look::Display, lit = look == Look::Highlighted;
                    for (int k = 1; k <= kKinds; ++k)
                        out.push_back({fileName(u"obr\\206\\o"_s + split + u'_' + pad(k, 2), look), [=] {
                                           return draw::jpeg(objectGroups(w, first, second, k, display, lit));
                                       }});
                }
                out.push_back({fileName(u"obr\\206\\prazdny\\r"_s + split, Look::Display),
                               [=] { return draw::jpeg(diagram(w, first, second, Look::Display, true)); }});
            }
        for (int w = 0; w <= kHighest; ++w)
            out.push_back({u"obr\\206\\v"_s + pad(w, 2) + u"d.jpg"_s, [=] { return draw::jpeg(wholeNumber(w)); }});

        // The explorer.
        const Look tile[] = {Look::Normal, Look::Highlighted};
        for (Look look : tile) {
            out.push_back({fileName(u"obr\\205\\sipka1"_s, look), [=] { return draw::jpeg(arrow(true, look)); }});
            out.push_back({fileName(u"obr\\205\\sipka2"_s, look), [=] { return draw::jpeg(arrow(false, look)); }});
            out.push_back({fileName(u"obr\\205\\cara"_s, look), [=] { return draw::jpeg(line(look)); }});
            for (int n = 0; n <= kHighest; ++n) {
                out.push_back({fileName(u"obr\\205\\cis"_s + pad(n, 2), look),
                               [=] { return draw::jpeg(rowNumber(n, look)); }});
                out.push_back({fileName(u"obr\\205\\roz"_s + pad(n, 2), look),
                               [=] { return draw::jpeg(disc(kWholeTile, n, look, QColor(220, 232, 255))); }});
                out.push_back({fileName(u"obr\\205\\rozz"_s + pad(n, 2), look),
                               [=] { return draw::jpeg(disc(kPart, n, look, QColor(255, 255, 255))); }});
                out.push_back({fileName(u"obr\\205\\kul"_s + pad(n, 2), look),
                               [=] { return draw::jpeg(ball(n, look)); }});
            }
        }
        return out;
    }
};

class SpeechFamily final : public Family {
public:
    QString id() const override { return u"decomposition-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : spokenTexts())
            out.push_back(spokenFile(t.name, t.text));
        return out;
    }
};

} // namespace

} // namespace mediagen::decomposition

namespace mediagen {

std::unique_ptr<Family> makeDecompositionPictureFamily() { return std::make_unique<decomposition::PictureFamily>(); }
std::unique_ptr<Family> makeDecompositionSpeechFamily() { return std::make_unique<decomposition::SpeechFamily>(); }

} // namespace mediagen
