// Media of the money games: the price digits in their two styles, the crown
// sign, the undo and cash tiles, Czech coins and notes, the goods of the
// shops and the backgrounds of exercises 403 and 404.
#include "choice_art.h"
#include "draw.h"
#include "games.h"
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

const QColor kPricePanel(250, 235, 176);

// A digit (or blank, digit < 0) of style "c" (price panel, dark red) or
// "cc" (white, dark blue), 15 x 20.
QImage digitPicture(bool priceStyle, int digit)
{
    QImage img = draw::canvas(15, 20, priceStyle ? kPricePanel : QColor(Qt::white));
    if (digit < 0)
        return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(priceStyle ? QColor(170, 30, 30) : QColor(25, 45, 130));
    p.setFont(draw::boldFont(18));
    p.drawText(QRect(0, -1, 15, 22), Qt::AlignCenter, QString::number(digit));
    return img;
}

QImage crownSign()
{
    QImage img = draw::canvas(14, 17, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(25, 45, 130));
    p.setFont(draw::boldFont(10, true));
    p.drawText(QRect(0, 0, 14, 17), Qt::AlignLeft | Qt::AlignVCenter, u"Kč"_s);
    return img;
}

} // namespace

int moneyValue(int picture)
{
    static const int values[] = {0, 1, 2, 5, 10, 20, 50};
    return picture >= 1 && picture <= 6 ? values[picture] : 0;
}

QColor moneyColour(int value)
{
    switch (value) {
    case 1: return QColor(196, 200, 206);    // light steel
    case 2: return QColor(160, 168, 182);    // darker steel
    case 5: return QColor(132, 150, 170);    // blue steel
    case 10: return QColor(201, 120, 72);    // copper
    case 20: return QColor(222, 180, 60);    // brass
    case 50: return QColor(164, 98, 178);    // the violet note
    default: return QColor(128, 128, 128);
    }
}


namespace {

const QColor kShelf(167, 169, 192);        // the shelf panels' colour
const QColor kPurseArea(237, 228, 208);    // behind the purse's stacks
const QColor kPurseHighlight(255, 236, 150);
const QColor kCounter(223, 220, 167);      // the counter panel

// The goods of the five shops, goods g costs g crowns.
const char16_t *const kGoods[5][10] = {
    {u"🍎", u"🍌", u"🍐", u"🍊", u"🥕", u"🥒", u"🍅", u"🍇", u"🍓", u"🍉"},
    {u"🥨", u"🥐", u"🍩", u"🍪", u"🧁", u"🥖", u"🍞", u"🥛", u"🧀", u"🍰"},
    {u"🎈", u"🪀", u"🧩", u"⚽", u"🧸", u"🚗", u"🎲", u"🏀", u"🚂", u"🤖"},
    {u"✏️", u"🖍️", u"📏", u"✂️", u"📒", u"🖌️", u"📕", u"🖊️", u"📐", u"🎒"},
    {u"🍬", u"🍭", u"🍫", u"🍦", u"🧃", u"🍨", u"🥤", u"🍯", u"🍮", u"🎂"},
};
// What 404's purchases show.
const char16_t *const kPurchaseGoods[10] = {u"🧸", u"🚂", u"⚽", u"🎒", u"📚", u"🧩", u"🎨", u"💐", u"🎁", u"🚲"};

void priceTag(QPainter &p, const QRectF &r, int price)
{
    p.setPen(QPen(QColor(170, 30, 30), 1.5));
    p.setBrush(QColor(255, 246, 200));
    p.drawRoundedRect(r, 6, 6);
    draw::fitText(p, r.toRect(), QString::number(price) + u" Kč"_s, QColor(170, 30, 30), int(r.height() * 0.7), 9);
}

// A goods card: n and k 146 x 126 on the shelf, d 90 x 55 in a basket line.
QImage goodsPicture(int shop, int goods, char look)
{
    const QString glyph = QString::fromUtf16(kGoods[shop - 1][goods - 1]);
    if (look == 'd') {
        QImage img = draw::canvas(90, 55, Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        choice::drawFitted(p, QRectF(4, 2, 82, 51), choice::sprite(glyph));
        return img;
    }
    QImage img = draw::canvas(146, 126, kShelf);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF card(3, 3, 140, 120);
    if (look == 'k') {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 214, 60));
        p.drawRoundedRect(QRectF(0, 0, 146, 126), 16, 16);
    }
    p.setPen(QPen(QColor(120, 124, 150), 1.5));
    p.setBrush(look == 'k' ? QColor(255, 252, 228) : QColor(Qt::white));
    p.drawRoundedRect(card, 13, 13);
    choice::drawFitted(p, QRectF(20, 8, 106, 80), choice::sprite(glyph));
    priceTag(p, QRectF(38, 92, 70, 26), goods);
    return img;
}

QImage purchasePicture(int n)
{
    QImage img = draw::canvas(240, 140, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw::vgradient(p, QRectF(0, 0, 240, 140), QColor(255, 255, 255), QColor(236, 240, 252));
    p.setPen(QPen(QColor(150, 160, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 238, 138), 14, 14);
    choice::drawFitted(p, QRectF(20, 8, 124, 124), choice::sprite(QString::fromUtf16(kPurchaseGoods[n - 1])));
    // The price box PB0 lies over the lower right corner.
    p.setPen(QPen(QColor(150, 160, 200), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(154, 110, 80, 28), 6, 6);
    draw::fitText(p, QRect(150, 84, 88, 24), u"Cena"_s, QColor(50, 50, 80), 16, 9);
    return img;
}

// Undo ("obr\zpet") and cash ("obr\cash") tiles.
QImage controlTile(bool cash, char look)
{
    const QSize size = cash ? QSize(110, 90) : QSize(76, 70);
    QImage img = draw::canvas(size.width(), size.height(), cash ? QColor(206, 212, 232) : QColor(220, 222, 238));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = cash ? QColor(60, 160, 90) : QColor(230, 140, 50);
    draw::buttonFace(p, QRectF(2, 2, size.width() - 4, size.height() - 4), look == 'k' ? base.lighter(125) : base, 12);
    if (look == 'k') {
        p.setPen(QPen(QColor(255, 220, 60), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2, 2, size.width() - 4, size.height() - 4), 12, 12);
    }
    if (cash) {
        choice::drawFitted(p, QRectF(30, 6, 50, 46), choice::sprite(u"💵"_s));
        draw::fitText(p, QRect(4, 54, 102, 30), u"Zaplatit"_s, Qt::white, 18, 10, Qt::AlignCenter, QColor(0, 0, 0, 120));
    } else {
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath arrow;
        arrow.moveTo(52, 36);
        arrow.arcTo(QRectF(22, 14, 32, 28), 0, 200);
        p.drawPath(arrow);
        p.drawLine(QPointF(24, 30), QPointF(19, 20));
        p.drawLine(QPointF(24, 30), QPointF(34, 27));
        draw::fitText(p, QRect(4, 44, 68, 22), u"Zpět"_s, Qt::white, 16, 9, Qt::AlignCenter, QColor(0, 0, 0, 120));
    }
    return img;
}

// One coin of diameter d at (x, y), or the note (50 crowns) of w x h.
void drawPiece(QPainter &p, int value, QRectF r)
{
    const QColor c = moneyColour(value);
    p.setRenderHint(QPainter::Antialiasing);
    if (value == 50) {
        p.setPen(QPen(c.darker(160), 1.5));
        p.setBrush(c);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(c.lighter(150), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 3, 3);
        p.setBrush(c.lighter(135));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(r.right() - r.height() * 0.75, r.top() + r.height() * 0.18, r.height() * 0.55, r.height() * 0.64));
        draw::fitText(p, QRectF(r.left() + 6, r.top() + 4, r.width() * 0.55, r.height() * 0.62).toRect(), u"50"_s,
                      Qt::white, int(r.height() * 0.5), 8, Qt::AlignLeft | Qt::AlignVCenter, c.darker(180));
        draw::fitText(p, QRectF(r.left() + 6, r.top() + r.height() * 0.62, r.width() * 0.5, r.height() * 0.32).toRect(),
                      u"Kč"_s, Qt::white, int(r.height() * 0.26), 6, Qt::AlignLeft | Qt::AlignVCenter);
        return;
    }
    p.setPen(QPen(c.darker(170), 1.5));
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.8);
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(1, c.darker(115));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(QPen(c.darker(140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(r.width() * 0.09, r.height() * 0.09, -r.width() * 0.09, -r.height() * 0.09));
    draw::fitText(p, r.adjusted(r.width() * 0.16, r.height() * 0.12, -r.width() * 0.16, -r.height() * 0.3).toRect(),
                  QString::number(value), QColor(40, 36, 40), int(r.height() * 0.46), 7);
    draw::fitText(p, r.adjusted(r.width() * 0.25, r.height() * 0.6, -r.width() * 0.25, -r.height() * 0.1).toRect(),
                  u"Kč"_s, QColor(40, 36, 40), int(r.height() * 0.18), 5);
}

struct StackShape {
    int pieceWidth;     // D: the coin's diameter or the note's width
    int pieceHeight;
    int step;           // s: how far each piece lies right of the one below
    int pictureHeight;  // the tile's height
};

StackShape stackShape(int value)
{
    switch (value) {
    case 50: return {110, 62, 56, 96};
    case 20: return {80, 80, 44, 87};
    case 10: return {72, 72, 40, 78};
    case 5: return {74, 74, 41, 87};
    case 2: return {68, 68, 38, 87};
    default: return {62, 62, 35, 87};
    }
}

QImage fannedPieces(int value, int count, char look)
{
    const StackShape s = stackShape(value);
    QImage img = draw::canvas(s.pieceWidth + (count - 1) * s.step, s.pictureHeight, look == 'k' ? kPurseHighlight : kPurseArea);
    QPainter p(&img);
    const qreal top = (s.pictureHeight - s.pieceHeight) / 2.0;
    // Each piece keeps (with its outline's antialiasing) to the whole pixel
    // columns j * step .. j * step + width - 1, so the cut pieces add up.
    for (int j = 0; j < count; ++j)
        drawPiece(p, value, QRectF(j * s.step + 1.5, top + 0.5, s.pieceWidth - 3, s.pieceHeight - 1));
    return img;
}

// The three pieces a stack is drawn from: left (1), middle (2), end (3).
// Left + end make one piece; each middle adds one, lying over the one
// before (the step is at least half a piece, so no more than two pieces
// meet in any column).
QImage piece(int value, int part, char look)
{
    const StackShape s = stackShape(value);
    if (part == 1)
        return fannedPieces(value, 1, look).copy(0, 0, s.step, s.pictureHeight);
    if (part == 2)
        return fannedPieces(value, 2, look).copy(s.step, 0, s.step, s.pictureHeight);
    return fannedPieces(value, 1, look).copy(s.step, 0, s.pieceWidth - s.step, s.pictureHeight);
}

// The small counter picture (a BMP whose corner colour is the counter's).
QImage counterPicture(int value)
{
    const bool note = value == 50;
    const int d = value == 20 ? 36 : value == 10 ? 34 : value == 5 ? 33 : value == 2 ? 31 : 28;
    QImage img = draw::canvas(note ? 58 : d + 2, note ? 34 : d + 2, kCounter);
    QPainter p(&img);
    drawPiece(p, value, note ? QRectF(1, 1, 56, 32) : QRectF(1, 1, d, d));
    return img;
}

QImage labelledPanel(QImage img, const QRect &box, const QString &label, QRect labelRect, QColor fill)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(box).adjusted(-6, -5, 6, 5), 8, 8);
    p.fillRect(box, fill);
    draw::fitText(p, labelRect, label, QColor(50, 50, 80), 17, 9, Qt::AlignRight | Qt::AlignVCenter);
    return img;
}

QImage shopBackground()
{
    QImage img = draw::canvas(800, 600, QColor(214, 206, 188));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(236, 226, 204), QColor(206, 190, 160));
        // Three wooden shelf boards under the shelf panels.
        for (int s = 0; s < 3; ++s) {
            p.fillRect(QRect(42, 68 + 149 * s + 130, 486, 12), QColor(150, 100, 60));
            p.fillRect(QRect(42, 68 + 149 * s + 142, 486, 3), QColor(110, 70, 40));
        }
        // The basket behind the basket lines.
        p.setPen(QPen(QColor(150, 105, 55), 4));
        p.setBrush(QColor(232, 200, 150));
        p.drawRoundedRect(QRectF(548, 92, 214, 314), 18, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawRoundedRect(QRectF(548, 40, 214, 24), 8, 8);
        draw::fitText(p, QRect(548, 40, 214, 24), u"Košík"_s, QColor(90, 60, 30), 18, 10);
    }
    img = labelledPanel(img, QRect(682, 68, 45, 20), u"Máš"_s, QRect(560, 64, 114, 28), QColor(250, 235, 176));
    img = labelledPanel(img, QRect(682, 417, 60, 20), u"Celkem"_s, QRect(560, 413, 114, 28), Qt::white);
    return img;
}

QImage purseBackground()
{
    QImage img = draw::canvas(800, 600, QColor(200, 206, 226));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(214, 222, 240), QColor(186, 194, 220));
        // The purse: a leather frame around the stacks.
        p.setPen(QPen(QColor(120, 70, 40), 8));
        p.setBrush(kPurseArea);
        p.drawRoundedRect(QRectF(16, 46, 332, 540), 24, 24);
        // The counter's edge and the goods' frame.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 120, 80));
        p.drawRoundedRect(QRectF(357, 212, 406, 356), 10, 10);
    }
    img = labelledPanel(img, QRect(665, 184, 45, 20), u""_s, QRect(0, 0, 1, 1), QColor(250, 235, 176));
    QPainter p(&img);
    draw::fitText(p, QRect(630, 156, 120, 22), u"Zaplaceno"_s, QColor(50, 50, 80), 15, 9);
    return img;
}

} // namespace

QImage stackPicture(int value, int count, char look)
{
    return fannedPieces(value, count, look);
}

QImage stackPiece(int value, int part, char look)
{
    return piece(value, part, look);
}

namespace {

class MoneyFamily final : public Family {
public:
    QString id() const override { return u"money"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (bool price : {true, false}) {
            const QString style = price ? u"c"_s : u"cc"_s;
            for (int d = 0; d <= 9; ++d)
                out.push_back({u"obr\\404\\"_s + style + u'0' + QString::number(d) + u".jpg"_s,
                               [=] { return draw::jpeg(digitPicture(price, d)); }});
            out.push_back({u"obr\\404\\"_s + style + u"0.jpg"_s, [=] { return draw::jpeg(digitPicture(price, -1)); }});
        }
        out.push_back({u"obr\\404\\kc.jpg"_s, [] { return draw::jpeg(crownSign()); }});
        out.push_back({u"Obr\\403\\bgr.jpg"_s, [] { return draw::jpeg(shopBackground()); }});
        out.push_back({u"Obr\\404\\bgr.jpg"_s, [] { return draw::jpeg(purseBackground()); }});
        for (char look : {'n', 'k'}) {
            const QString l = QString(QChar::fromLatin1(look));
            out.push_back({u"obr\\zpet"_s + l + u".Jpg"_s, [=] { return draw::jpeg(controlTile(false, look)); }});
            out.push_back({u"obr\\cash"_s + l + u".Jpg"_s, [=] { return draw::jpeg(controlTile(true, look)); }});
        }
        for (int shop = 1; shop <= 5; ++shop)
            for (int g = 1; g <= 10; ++g) {
                const QString stem = u"obr\\403\\"_s + choice::pad(shop, 2) + u"\\zb"_s + choice::pad(g, 2);
                out.push_back({stem + u"n.Jpg"_s, [=] { return draw::jpeg(goodsPicture(shop, g, 'n')); }});
                out.push_back({stem + u"k.Jpg"_s, [=] { return draw::jpeg(goodsPicture(shop, g, 'k')); }});
                out.push_back({stem + u"d.JPG"_s, [=] { return draw::jpeg(goodsPicture(shop, g, 'd')); }});
            }
        for (int g = 1; g <= 10; ++g)
            out.push_back({u"obr\\404\\n"_s + choice::pad(g, 2) + u".jpg"_s, [=] { return draw::jpeg(purchasePicture(g)); }});
        for (int pic = 1; pic <= 6; ++pic) {
            const int value = moneyValue(pic);
            const QString stem = u"obr\\404\\nove\\kc"_s + choice::pad(pic, 2);
            out.push_back({stem + u"d.bmp"_s, [=] { return draw::bmp(counterPicture(value)); }});
            for (int part = 1; part <= 3; ++part)
                for (char look : {'n', 'k'})
                    out.push_back({stem + u'_' + QString::number(part) + QChar::fromLatin1(look) + u".Jpg"_s,
                                   [=] { return draw::jpeg(stackPiece(value, part, look)); }});
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeMoneyFamily() { return std::make_unique<games::MoneyFamily>(); }
} // namespace mediagen
