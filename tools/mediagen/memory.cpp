// Media of the memory game: twelve sets of card pairs that belong together
// (a number and its quantity, a sum and its result, a colour and a thing of
// that colour ...), each set's card back, the taken place and the table.
#include "draw.h"
#include "games.h"

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

constexpr int kCard = 170;
const QColor kTable(64, 128, 150);
const QColor kInk(40, 44, 70);

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

// What one side of a card shows.
struct Face {
    enum Kind { Numeral, Dots, Things, Text, Tens, Glyph, Swatch, ThingSum } kind;
    int n = 0;
    QString glyph = {};
    QColor colour = {};
    int m = 0;                  // ThingSum: the second addend
};

QString minus() { return QString(QChar(0x2212)); }

// The pair `pair` (1-based) of set `set` as its two faces.
std::pair<Face, Face> pairOf(int set, int pair)
{
    static const char *const kThings[] = {"🍎", "🐤", "⭐", "🌼", "🐟", "🍓", "🚗", "🎈", "🐞"};
    static const int kSums[][2] = {{1, 1}, {2, 1}, {2, 2}, {3, 2}, {4, 2}, {4, 3}, {5, 3}, {6, 3}, {5, 5}};
    static const int kDiffs[][2] = {{5, 5}, {3, 2}, {5, 3}, {7, 4}, {6, 2}, {8, 3}, {9, 3}, {10, 3}, {9, 1}, {10, 1}};
    static const std::pair<const char *, QColor> kColours[] = {
        {"🍎", QColor(220, 30, 40)},  {"🍌", QColor(250, 215, 40)}, {"🐸", QColor(60, 170, 60)},
        {"🐳", QColor(40, 110, 220)}, {"🍊", QColor(250, 140, 20)}, {"🍇", QColor(130, 60, 170)},
        {"🌰", QColor(130, 80, 40)},  {"🐷", QColor(250, 160, 190)}};
    static const std::pair<const char *, const char *> kFood[] = {
        {"🐰", "🥕"}, {"🐒", "🍌"}, {"🐭", "🧀"}, {"🐶", "🦴"}, {"🐝", "🌼"}, {"🐿️", "🌰"}, {"🐼", "🎋"}};
    const auto text = [](int a, const QString &op, int b) {
        return Face{Face::Text, 0, QString::number(a) + u' ' + op + u' ' + QString::number(b)};
    };
    const auto numeral = [](int n) { return Face{Face::Numeral, n}; };
    const int i = pair - 1;
    switch (set) {
    case 1: return {numeral(pair), Face{Face::Dots, pair}};
    case 2: return {numeral(pair), Face{Face::Things, pair, QString::fromUtf8(kThings[i])}};
    case 3: return {text(kSums[i][0], u"+"_s, kSums[i][1]), numeral(kSums[i][0] + kSums[i][1])};
    case 4: return {text(kDiffs[i][0], minus(), kDiffs[i][1]), numeral(kDiffs[i][0] - kDiffs[i][1])};
    case 5: return {numeral(10 * pair), Face{Face::Tens, 10 * pair}};
    case 6: {
        const int a = kSums[i][0], b = kSums[i][1];
        return {Face{Face::ThingSum, a, QString::fromUtf8(kThings[i]), {}, b}, numeral(a + b)};
    }
    case 7: return {numeral(10 + pair), Face{Face::Tens, 10 + pair}};
    case 8: return {Face{Face::Swatch, 0, {}, kColours[i].second}, Face{Face::Glyph, 0, QString::fromUtf8(kColours[i].first)}};
    case 9: return {Face{Face::Glyph, 0, QString::fromUtf8(kFood[i].first)}, Face{Face::Glyph, 0, QString::fromUtf8(kFood[i].second)}};
    case 10: return {numeral(i), Face{Face::Dots, i}};
    case 11: {
        const int r = pair + 4, b = std::max(1, r / 3);
        return {text(r - b, u"+"_s, b), numeral(r)};
    }
    default: {
        const int r = i, b = 1 + (r * 3) % 9;
        return {text(r + b, minus(), b), numeral(r)};
    }
    }
}

// n dots in ten-frames (rows of five), up to twenty.
void drawDots(QPainter &p, const QRectF &r, int n)
{
    const int frames = n > 10 ? 2 : 1;
    const qreal cell = std::min(r.width() / 5, r.height() / (2.0 * frames + 0.4 * (frames - 1)));
    const qreal left = r.center().x() - cell * 2.5;
    const qreal top = r.center().y() - cell * (frames * 2 + 0.4 * (frames - 1)) / 2;
    for (int k = 0; k < 10 * frames; ++k) {
        const int f = k / 10, row = k % 10 / 5, col = k % 5;
        const QRectF c(left + col * cell, top + (f * 2.4 + row) * cell, cell, cell);
        p.setPen(QPen(QColor(170, 170, 190), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(c);
        if (k < n) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 50, 60));
            p.drawEllipse(c.adjusted(cell * 0.14, cell * 0.14, -cell * 0.14, -cell * 0.14));
        }
    }
}

// n things in rows of at most five, centred.
void drawThings(QPainter &p, const QRectF &r, int n, const QString &glyph)
{
    if (n <= 0)
        return;
    const int perRow = n <= 3 ? n : n <= 4 ? 2 : n <= 6 ? 3 : n <= 8 ? 4 : 5;
    const int rows = (n + perRow - 1) / perRow;
    const qreal cell = std::min(r.width() / perRow, r.height() / rows);
    for (int k = 0; k < n; ++k) {
        const int row = k / perRow;
        const int inRow = std::min(perRow, n - row * perRow);
        const qreal x = r.center().x() - inRow * cell / 2 + (k % perRow) * cell;
        const qreal y = r.center().y() - rows * cell / 2 + row * cell;
        draw::emoji(p, QRectF(x, y, cell, cell).adjusted(cell * 0.08, cell * 0.08, -cell * 0.08, -cell * 0.08), glyph);
    }
}

// Rods of ten cubes and loose cubes.
void drawTens(QPainter &p, const QRectF &r, int n)
{
    const int tens = n / 10, ones = n % 10;
    const qreal cube = std::min(r.height() / 10.5, 13.0);
    const qreal width = tens * (cube + 3) + (ones > 0 ? cube * 2 + 6 : 0);
    qreal x = r.center().x() - width / 2;
    const qreal top = r.center().y() - cube * 5;
    p.setPen(QPen(QColor(30, 70, 40), 1));
    p.setBrush(QColor(90, 190, 100));
    for (int t = 0; t < tens; ++t, x += cube + 3)
        for (int k = 0; k < 10; ++k)
            p.drawRect(QRectF(x, top + k * cube, cube, cube));
    p.setBrush(QColor(250, 180, 50));
    for (int k = 0; k < ones; ++k)
        p.drawRect(QRectF(x + 4 + (k % 2) * (cube + 2), top + 10 * cube - (k / 2 + 1) * (cube + 2), cube, cube));
}

void drawFace(QPainter &p, const QRectF &r, const Face &f)
{
    switch (f.kind) {
    case Face::Numeral:
        draw::fitText(p, r.toRect(), QString::number(f.n), kInk, f.n >= 100 ? 62 : 86, 20);
        break;
    case Face::Text:
        draw::fitText(p, r.adjusted(6, 0, -6, 0).toRect(), f.glyph, kInk, 38, 16);
        break;
    case Face::Dots: drawDots(p, r, f.n); break;
    case Face::Things: drawThings(p, r, f.n, f.glyph); break;
    case Face::Tens: drawTens(p, r, f.n); break;
    case Face::Glyph: draw::emoji(p, r.adjusted(14, 14, -14, -14), f.glyph); break;
    case Face::Swatch: {
        QPainterPath blob;
        const QPointF c = r.center();
        blob.moveTo(c + QPointF(-50, -20));
        blob.cubicTo(c + QPointF(-40, -70), c + QPointF(40, -60), c + QPointF(52, -18));
        blob.cubicTo(c + QPointF(70, 30), c + QPointF(20, 66), c + QPointF(-18, 52));
        blob.cubicTo(c + QPointF(-66, 44), c + QPointF(-62, 10), c + QPointF(-50, -20));
        p.setPen(QPen(f.colour.darker(140), 3));
        p.setBrush(f.colour);
        p.drawPath(blob);
        break;
    }
    case Face::ThingSum: {
        const qreal part = r.height() * 0.4;
        drawThings(p, QRectF(r.left(), r.top(), r.width(), part), f.n, f.glyph);
        drawThings(p, QRectF(r.left(), r.bottom() - part, r.width(), part), f.m, f.glyph);
        draw::fitText(p, QRect(int(r.left()), int(r.top() + part), int(r.width()), int(r.height() - 2 * part)),
                      u"+"_s, kInk, 26, 12);
        break;
    }
    }
}

QColor setColour(int set)
{
    static const QColor kColours[] = {
        QColor(230, 80, 80),  QColor(240, 150, 40), QColor(200, 170, 30), QColor(90, 170, 70),
        QColor(40, 160, 150), QColor(60, 130, 210), QColor(110, 90, 200), QColor(180, 80, 180),
        QColor(220, 90, 140), QColor(120, 120, 130), QColor(150, 100, 60), QColor(40, 90, 150)};
    return kColours[std::clamp(set, 1, 12) - 1];
}

void cursorFrame(QPainter &p, char look)
{
    if (look != 'k')
        return;
    p.setPen(QPen(QColor(255, 215, 40), 7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, kCard - 7, kCard - 7), 14, 14);
}

QImage cardFace(int set, int pair, int side, char look)
{
    QImage img = draw::canvas(kCard, kCard, kTable);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(setColour(set), 5));
    p.setBrush(QColor(255, 253, 245));
    p.drawRoundedRect(QRectF(4.5, 4.5, kCard - 9, kCard - 9), 14, 14);
    const auto faces = pairOf(set, pair);
    drawFace(p, QRectF(16, 16, kCard - 32, kCard - 32), side == 1 ? faces.first : faces.second);
    cursorFrame(p, look);
    return img;
}

QImage cardBack(int set, char look)
{
    QImage img = draw::canvas(kCard, kCard, kTable);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = setColour(set);
    p.setPen(QPen(Qt::white, 5));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(4.5, 4.5, kCard - 9, kCard - 9), 14, 14);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(9, 9, kCard - 18, kCard - 18), 11, 11);
    p.setClipPath(inside);
    p.setPen(QPen(c.lighter(130), 4));
    for (int k = -kCard; k < kCard; k += 22)
        p.drawLine(QPointF(12 + k, 12), QPointF(12 + k + kCard, 12 + kCard));
    p.setClipping(false);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(c.darker(115));
    p.drawEllipse(QRectF(kCard / 2.0 - 36, kCard / 2.0 - 36, 72, 72));
    draw::fitText(p, QRect(kCard / 2 - 36, kCard / 2 - 36, 72, 72), u"?"_s, Qt::white, 54, 20);
    cursorFrame(p, look);
    return img;
}

QImage takenPlace(char look)
{
    QImage img = draw::canvas(kCard, kCard, kTable);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, kCard - 16, kCard - 16), 14, 14);
    cursorFrame(p, look);
    return img;
}

// The table of the memory game (and of the picture hunt, which shares it).
QImage tableBackground()
{
    QImage img = draw::canvas(800, 600, kTable);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 80, 40), 10));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(14, 34, 772, 556), 20, 20);
    return img;
}

class MemoryFamily final : public Family {
public:
    QString id() const override { return u"memory"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        static const int kPairs[] = {9, 9, 9, 10, 10, 9, 10, 8, 7, 21, 16, 21};
        std::vector<MediaFile> out;
        out.push_back({u"Obr\\408\\bgr.jpg"_s, [] { return draw::jpeg(tableBackground()); }});
        for (char look : {'n', 'k'}) {
            out.push_back({u"obr\\408\\kartp"_s + QLatin1Char(look) + u".Jpg"_s, [look] { return draw::jpeg(takenPlace(look)); }});
            for (int set = 1; set <= 12; ++set) {
                const QString folder = u"obr\\408\\"_s + two(set) + u'\\';
                out.push_back({folder + u"karta"_s + QLatin1Char(look) + u".Jpg"_s, [=] { return draw::jpeg(cardBack(set, look)); }});
                for (int pair = 1; pair <= kPairs[set - 1]; ++pair)
                    for (int side : {1, 2})
                        out.push_back({folder + u"pex"_s + two(pair) + u'_' + QString::number(side) + QLatin1Char(look) + u".Jpg"_s,
                                       [=] { return draw::jpeg(cardFace(set, pair, side, look)); }});
            }
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeMemoryFamily() { return std::make_unique<games::MemoryFamily>(); }
} // namespace mediagen
