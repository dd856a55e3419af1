// Media of connect the numbers (406): the figures as point lists ("obrNN.INI"),
// their finished pictures (drawn through exactly those points, so the picture
// that appears is what the child's lines drew), the choice pictures, the
// number labels in their three looks and the background. Level 1 ("do10")
// has 22 figures of at most 10 points; the other levels ("do20") the same
// 22 outlines with more points on their longest edges and five more.
#include "draw.h"
#include "games.h"
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

const QColor kArea(234, 233, 249);           // the drawing area the game fills
const QColor kLine(0, 0, 255);               // the game's lines
const QColor kInk(30, 40, 90);
constexpr int kFull = 440;                   // the finished picture
constexpr QSize kChoice{150, 140};

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

using Details = std::function<void(QPainter &)>;

// A figure in units of 0..100; the outline's order is the numbers' order.
struct Figure {
    std::vector<QPointF> outline;
    QColor fill;
    Details details = {};
};

QPainterPath polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts)));
    path.closeSubpath();
    return path;
}

void solid(QPainter &p, const QPainterPath &path, QColor fill)
{
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(150), 0.6));
    p.drawPath(path);
}

void dot(QPainter &p, QPointF c, qreal r, QColor fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
}

void stroke(QPainter &p, QColor colour, qreal width, std::initializer_list<QPointF> pts)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<QPointF>(pts)));
}

std::vector<QPointF> ring(int count, QPointF centre, qreal outer, qreal inner)
{
    std::vector<QPointF> out;
    for (int k = 0; k < count; ++k) {
        const qreal a = -M_PI / 2 + 2 * M_PI * k / count;
        const qreal r = k % 2 == 0 ? outer : inner;
        out.emplace_back(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    return out;
}

std::vector<QPointF> moon()
{
    std::vector<QPointF> out;
    for (int deg : {-60, -120, 180, 120, 60})
        out.emplace_back(50 + 44 * std::cos(deg * M_PI / 180), 50 + 44 * std::sin(deg * M_PI / 180));
    for (int deg : {120, 160, 200, 240})
        out.emplace_back(72 + 36 * std::cos(deg * M_PI / 180), 50 + 36 * std::sin(deg * M_PI / 180));
    return out;
}

// The 22 figures of level 1.
std::vector<Figure> smallFigures()
{
    const QColor gold(255, 206, 50), brown(140, 90, 50), green(60, 160, 70);
    return {
        {{{20, 95}, {20, 50}, {50, 15}, {80, 50}, {80, 95}}, QColor(240, 200, 120), [=](QPainter &p) {
             solid(p, polygon({{42, 70}, {58, 70}, {58, 95}, {42, 95}}), brown);
             solid(p, polygon({{27, 57}, {38, 57}, {38, 68}, {27, 68}}), QColor(150, 210, 250));
             solid(p, polygon({{62, 57}, {73, 57}, {73, 68}, {62, 68}}), QColor(150, 210, 250));
         }},
        {ring(10, {50, 52}, 48, 20), gold, [](QPainter &p) {
             dot(p, {44, 50}, 2.5, kInk);
             dot(p, {56, 50}, 2.5, kInk);
             stroke(p, kInk, 1.5, {{44, 58}, {50, 61}, {56, 58}});
         }},
        {{{50, 5}, {80, 45}, {62, 45}, {88, 80}, {12, 80}, {38, 45}, {20, 45}}, green, [=](QPainter &p) {
             solid(p, polygon({{44, 80}, {56, 80}, {56, 97}, {44, 97}}), brown);
             dot(p, {40, 65}, 3, QColor(230, 40, 40));
             dot(p, {62, 70}, 3, QColor(250, 200, 30));
             dot(p, {52, 35}, 3, QColor(60, 120, 230));
         }},
        {{{92, 50}, {72, 32}, {48, 32}, {28, 48}, {10, 32}, {10, 68}, {28, 52}, {48, 68}, {72, 68}},
         QColor(250, 150, 60), [](QPainter &p) {
             dot(p, {78, 46}, 4, Qt::white);
             dot(p, {79, 46}, 2, kInk);
             stroke(p, QColor(200, 100, 30), 1.5, {{50, 40}, {58, 50}, {50, 60}});
         }},
        {{{48, 8}, {82, 62}, {52, 62}, {52, 70}, {92, 70}, {76, 90}, {24, 90}, {8, 70}, {48, 70}},
         QColor(250, 250, 255), [=](QPainter &p) {
             solid(p, polygon({{8, 70}, {92, 70}, {76, 90}, {24, 90}}), brown);
             solid(p, polygon({{48, 8}, {52, 8}, {52, 70}, {48, 70}}), QColor(90, 60, 40));
             stroke(p, QColor(60, 140, 230), 2, {{0, 96}, {12, 92}, {25, 96}, {38, 92}, {50, 96}, {62, 92}, {75, 96}, {88, 92}, {100, 96}});
         }},
        {{{10, 40}, {55, 40}, {55, 20}, {92, 50}, {55, 80}, {55, 60}, {10, 60}}, QColor(230, 70, 60)},
        {{{50, 30}, {62, 14}, {80, 12}, {92, 28}, {88, 48}, {50, 88}, {12, 48}, {8, 28}, {20, 12}, {38, 14}},
         QColor(235, 60, 90), [](QPainter &p) { dot(p, {28, 28}, 4, QColor(255, 255, 255, 150)); }},
        {{{10, 85}, {10, 30}, {30, 55}, {50, 15}, {70, 55}, {90, 30}, {90, 85}}, gold, [](QPainter &p) {
             for (QPointF c : {QPointF(30, 72), QPointF(50, 72), QPointF(70, 72)})
                 dot(p, c, 4.5, QColor(200, 30, 60));
             dot(p, {50, 40}, 3.5, QColor(40, 120, 220));
         }},
        {{{50, 3}, {82, 35}, {50, 80}, {18, 35}}, QColor(120, 180, 250), [](QPainter &p) {
             stroke(p, QColor(40, 80, 160), 1.2, {{50, 3}, {50, 80}});
             stroke(p, QColor(40, 80, 160), 1.2, {{18, 35}, {82, 35}});
             stroke(p, kInk, 1.2, {{50, 80}, {44, 86}, {50, 92}, {44, 98}});
             dot(p, {46, 86}, 2.5, QColor(230, 50, 60));
             dot(p, {47, 93}, 2.5, QColor(250, 200, 30));
         }},
        {{{60, 5}, {22, 55}, {48, 55}, {35, 95}, {80, 40}, {54, 40}, {70, 5}}, QColor(255, 220, 40)},
        {{{5, 85}, {25, 45}, {38, 62}, {58, 18}, {78, 55}, {95, 85}}, QColor(130, 140, 170), [](QPainter &p) {
             solid(p, polygon({{58, 18}, {66, 33}, {61, 30}, {57, 35}, {53, 30}, {50, 33}}), Qt::white);
         }},
        {{{8, 45}, {20, 25}, {50, 10}, {80, 25}, {92, 45}, {72, 40}, {50, 45}, {28, 40}}, QColor(200, 80, 200),
         [](QPainter &p) {
             stroke(p, kInk, 2, {{50, 45}, {50, 86}, {47, 91}, {42, 91}, {39, 86}});
         }},
        {{{50, 95}, {25, 45}, {22, 35}, {32, 20}, {50, 14}, {68, 20}, {78, 35}, {75, 45}}, QColor(250, 170, 200),
         [](QPainter &p) {
             solid(p, polygon({{50, 95}, {25, 45}, {75, 45}}), QColor(225, 175, 100));
             stroke(p, QColor(170, 120, 60), 1, {{35, 50}, {55, 85}});
             stroke(p, QColor(170, 120, 60), 1, {{65, 50}, {45, 85}});
             dot(p, {50, 12}, 4, QColor(220, 30, 40));
         }},
        {{{25, 20}, {37, 35}, {50, 15}, {63, 35}, {75, 20}, {75, 50}, {65, 65}, {35, 65}, {25, 50}},
         QColor(230, 50, 70), [=](QPainter &p) {
             stroke(p, green, 3, {{50, 65}, {50, 98}});
             solid(p, polygon({{50, 88}, {66, 74}, {70, 78}}), green);
         }},
        {{{20, 90}, {12, 55}, {18, 10}, {38, 30}, {62, 30}, {82, 10}, {88, 55}, {80, 90}}, QColor(170, 170, 180),
         [](QPainter &p) {
             dot(p, {37, 52}, 5, QColor(120, 200, 90));
             dot(p, {63, 52}, 5, QColor(120, 200, 90));
             dot(p, {37, 52}, 2, kInk);
             dot(p, {63, 52}, 2, kInk);
             solid(p, polygon({{46, 64}, {54, 64}, {50, 69}}), QColor(240, 130, 150));
             stroke(p, kInk, 1, {{50, 69}, {45, 74}});
             stroke(p, kInk, 1, {{50, 69}, {55, 74}});
             stroke(p, kInk, 0.8, {{40, 66}, {22, 62}});
             stroke(p, kInk, 0.8, {{40, 69}, {22, 72}});
             stroke(p, kInk, 0.8, {{60, 66}, {78, 62}});
             stroke(p, kInk, 0.8, {{60, 69}, {78, 72}});
         }},
        {{{5, 75}, {5, 55}, {22, 50}, {35, 28}, {68, 28}, {80, 50}, {95, 55}, {95, 75}}, QColor(60, 130, 220),
         [](QPainter &p) {
             solid(p, polygon({{38, 33}, {50, 33}, {50, 48}, {30, 48}}), QColor(200, 235, 255));
             solid(p, polygon({{54, 33}, {65, 33}, {74, 48}, {54, 48}}), QColor(200, 235, 255));
             for (QPointF c : {QPointF(25, 76), QPointF(75, 76)}) {
                 dot(p, c, 10, QColor(40, 40, 50));
                 dot(p, c, 4, QColor(200, 200, 210));
             }
         }},
        {{{50, 5}, {65, 25}, {65, 70}, {80, 90}, {50, 80}, {20, 90}, {35, 70}, {35, 25}}, QColor(225, 225, 240),
         [](QPainter &p) {
             dot(p, {50, 40}, 8, QColor(60, 120, 220));
             dot(p, {50, 40}, 5, QColor(170, 220, 255));
             solid(p, polygon({{42, 84}, {58, 84}, {50, 99}}), QColor(250, 140, 30));
         }},
        {{{50, 10}, {62, 18}, {68, 40}, {72, 70}, {85, 82}, {15, 82}, {28, 70}, {32, 40}, {38, 18}}, gold,
         [](QPainter &p) {
             dot(p, {50, 89}, 6, QColor(200, 150, 30));
             stroke(p, QColor(200, 150, 30), 2, {{30, 72}, {70, 72}});
         }},
        {moon(), QColor(250, 235, 140), [](QPainter &p) {
             stroke(p, kInk, 1.5, {{16, 46}, {20, 49}, {24, 46}});
             dot(p, {24, 60}, 3, QColor(250, 170, 150));
         }},
        {{{10, 90}, {20, 50}, {45, 20}, {88, 8}, {80, 50}, {60, 78}}, QColor(90, 180, 80), [](QPainter &p) {
             const QColor vein(40, 110, 40);
             stroke(p, vein, 1.5, {{10, 90}, {78, 18}});
             stroke(p, vein, 1, {{40, 56}, {36, 38}});
             stroke(p, vein, 1, {{40, 56}, {62, 60}});
             stroke(p, vein, 1, {{58, 37}, {56, 24}});
             stroke(p, vein, 1, {{58, 37}, {74, 40}});
         }},
        {{{10, 50}, {20, 25}, {50, 12}, {80, 25}, {90, 50}, {62, 50}, {65, 90}, {35, 90}, {38, 50}},
         QColor(220, 60, 50), [](QPainter &p) {
             solid(p, polygon({{62, 50}, {65, 90}, {35, 90}, {38, 50}}), QColor(250, 240, 215));
             for (QPointF c : {QPointF(30, 35), QPointF(50, 24), QPointF(70, 36), QPointF(50, 42)})
                 dot(p, c, 4, Qt::white);
         }},
        {{{18, 95}, {18, 8}, {82, 24}, {24, 40}, {24, 95}}, QColor(60, 170, 90), [=](QPainter &p) {
             solid(p, polygon({{18, 8}, {24, 8}, {24, 95}, {18, 95}}), brown);
             dot(p, {21, 6}, 3, gold);
         }},
    };
}

// The five figures only the higher levels have.
std::vector<Figure> extraFigures()
{
    std::vector<QPointF> flower;
    for (int k = 0; k < 20; ++k) {
        const qreal a = -M_PI / 2 + 2 * M_PI * k / 20;
        const qreal r = 27 + 13 * std::cos(5 * (a + M_PI / 2));
        flower.emplace_back(50 + r * std::cos(a), 45 + r * std::sin(a));
    }
    const QColor green(60, 160, 70);
    return {
        {ring(20, {50, 50}, 46, 32), QColor(255, 200, 40), [](QPainter &p) {
             dot(p, {50, 50}, 26, QColor(255, 225, 90));
             dot(p, {41, 45}, 3, kInk);
             dot(p, {59, 45}, 3, kInk);
             stroke(p, kInk, 2, {{40, 56}, {50, 62}, {60, 56}});
         }},
        {ring(16, {50, 50}, 46, 22), QColor(120, 200, 250), [](QPainter &p) { dot(p, {50, 50}, 8, Qt::white); }},
        {flower, QColor(240, 120, 190), [=](QPainter &p) {
             stroke(p, green, 3, {{50, 62}, {50, 99}});
             dot(p, {50, 45}, 9, QColor(255, 210, 40));
         }},
        {{{50, 35}, {62, 12}, {85, 8}, {93, 28}, {72, 48}, {90, 68}, {80, 90}, {58, 80},
          {42, 80}, {20, 90}, {10, 68}, {28, 48}, {7, 28}, {15, 8}, {38, 12}},
         QColor(150, 110, 230), [](QPainter &p) {
             solid(p, polygon({{47, 30}, {53, 30}, {54, 82}, {46, 82}}), QColor(70, 50, 40));
             for (QPointF c : {QPointF(30, 30), QPointF(70, 30), QPointF(28, 70), QPointF(72, 70)})
                 dot(p, c, 6, QColor(255, 220, 90));
             stroke(p, QColor(70, 50, 40), 1.2, {{48, 30}, {42, 18}});
             stroke(p, QColor(70, 50, 40), 1.2, {{52, 30}, {58, 18}});
         }},
        {{{5, 95}, {5, 20}, {12, 20}, {12, 28}, {22, 28}, {22, 20}, {30, 20}, {30, 50}, {45, 50}, {45, 42},
          {55, 42}, {55, 50}, {70, 50}, {70, 20}, {78, 20}, {78, 28}, {88, 28}, {88, 20}, {95, 20}, {95, 95}},
         QColor(200, 190, 170), [](QPainter &p) {
             QPainterPath door;
             door.moveTo(40, 95);
             door.lineTo(40, 75);
             door.arcTo(QRectF(40, 65, 20, 20), 180, -180);
             door.lineTo(60, 95);
             door.closeSubpath();
             solid(p, door, QColor(120, 80, 40));
             solid(p, polygon({{14, 45}, {21, 45}, {21, 56}, {14, 56}}), QColor(70, 70, 90));
             solid(p, polygon({{79, 45}, {86, 45}, {86, 56}, {79, 56}}), QColor(70, 70, 90));
         }},
    };
}

// More points on the same outline: the longest edge is halved until the
// outline has `count` points.
std::vector<QPointF> denser(std::vector<QPointF> pts, int count)
{
    while (static_cast<int>(pts.size()) < count) {
        std::size_t best = 0;
        qreal longest = -1;
        for (std::size_t k = 0; k < pts.size(); ++k) {
            const QPointF d = pts[(k + 1) % pts.size()] - pts[k];
            const qreal len = std::hypot(d.x(), d.y());
            if (len > longest)
                longest = len, best = k;
        }
        pts.insert(pts.begin() + static_cast<std::ptrdiff_t>(best) + 1,
                   (pts[best] + pts[(best + 1) % pts.size()]) / 2);
    }
    return pts;
}

// The figures of a level set: level 1 ("do10") or the others ("do20").
std::vector<Figure> figures(bool upTo20)
{
    std::vector<Figure> out = smallFigures();
    if (!upTo20)
        return out;
    for (Figure &f : out)
        f.outline = denser(f.outline, std::clamp(2 * static_cast<int>(f.outline.size()), 12, 20));
    for (Figure &f : extraFigures())
        out.push_back(std::move(f));
    return out;
}

// Label top-left inside the drawing area of a unit point.
QPoint labelAt(QPointF unit)
{
    return QPoint(qRound(20 + 3.9 * unit.x()), qRound(20 + 3.9 * unit.y()));
}

QByteArray figureFile(const Figure &f)
{
    QString text = u"[Obr01]\n"_s;
    text += u"Spojit=1\n"_s;
    text += u"Pocet bodu="_s + QString::number(f.outline.size()) + u'\n';
    for (std::size_t k = 0; k < f.outline.size(); ++k) {
        const QPoint at = labelAt(f.outline[k]);
        text += u"x"_s + two(int(k) + 1) + u'=' + QString::number(at.x()) + u'\n';
        text += u"y"_s + two(int(k) + 1) + u'=' + QString::number(at.y()) + u'\n';
    }
    return draw::iniText(text);
}

// The figure through its own points, in a painter already mapped to units.
void drawFigure(QPainter &p, const Figure &f, qreal linePx)
{
    QPainterPath outline;
    outline.addPolygon(QPolygonF(QList<QPointF>(f.outline.begin(), f.outline.end())));
    outline.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(f.fill);
    p.drawPath(outline);
    if (f.details) {
        p.save();
        f.details(p);
        p.restore();
    }
    QPen pen(kLine, linePx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

// The finished picture, laid over the drawing area 10 pixels in from the
// area's origin: a point's line end (label + (11, 7)) is at (x + 1, y - 3).
QImage fullPicture(const Figure &f)
{
    QImage img = draw::canvas(kFull, kFull, kArea);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(21, 17);
    p.scale(3.9, 3.9);
    drawFigure(p, f, 3.5);
    return img;
}

QImage choicePicture(const Figure &f, char look)
{
    QImage img = draw::canvas(kChoice.width(), kChoice.height(), QColor(153, 158, 180));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(4, 4, kChoice.width() - 8, kChoice.height() - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(look == 'k' ? QColor(255, 247, 200) : QColor(250, 250, 255));
    p.drawRoundedRect(card, 12, 12);
    p.save();
    p.translate(card.center().x() - 56, card.center().y() - 56);
    p.scale(1.12, 1.12);
    drawFigure(p, f, 2.5);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(look == 'k' ? QPen(QColor(240, 120, 0), 5) : QPen(QColor(110, 115, 150), 2));
    p.drawRoundedRect(card.adjusted(1, 1, -1, -1), 12, 12);
    return img;
}

// Number label of `size`: 'n' white, 'k' highlighted, 'd' joined (the lines' blue).
QImage label(int number, QSize size, char look)
{
    QImage img = draw::canvas(size.width(), size.height(), kArea);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor face = look == 'k' ? QColor(255, 215, 40) : look == 'd' ? kLine : Qt::white;
    const QColor ink = look == 'd' ? Qt::white : look == 'k' ? QColor(180, 20, 20) : kInk;
    p.setBrush(face);
    p.setPen(QPen(look == 'd' ? kLine.darker(140) : QColor(60, 70, 140), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    draw::fitText(p, QRect(0, 0, size.width(), size.height()), QString::number(number), ink, size.height() - 3, 7);
    return img;
}

QImage background()
{
    QImage img = draw::canvas(800, 600, QColor(200, 225, 245));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(190, 220, 245), QColor(225, 240, 215));
    const auto frame = [&p](const QRectF &r) {
        p.setPen(QPen(QColor(80, 90, 150), 2));
        p.setBrush(QColor(120, 130, 190));
        p.drawRoundedRect(r.adjusted(-8, -8, 8, 8), 12, 12);
    };
    frame(QRectF(77, 89, 450, 450));
    frame(QRectF(573, 89, 150, 454));
    draw::emoji(p, QRectF(740, 470, 50, 50), u"✏️"_s);
    draw::emoji(p, QRectF(12, 470, 50, 50), u"🖍️"_s);
    return img;
}

class ConnectFamily final : public Family {
public:
    QString id() const override { return u"connect"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        out.push_back({u"Obr\\406\\tecka-bgr.jpg"_s, [] { return draw::jpeg(background()); }});
        for (bool upTo20 : {false, true}) {
            const QString folder = upTo20 ? u"obr\\406\\do20\\"_s : u"obr\\406\\do10\\"_s;
            const QSize size = upTo20 ? QSize(21, 14) : QSize(25, 18);
            const int count = static_cast<int>(figures(upTo20).size());
            for (int n = 1; n <= count; ++n) {
                const auto figure = [upTo20, n] { return figures(upTo20)[static_cast<std::size_t>(n - 1)]; };
                const QString stem = folder + u"obr"_s + two(n);
                out.push_back({stem + u".INI"_s, [figure] { return figureFile(figure()); }});
                out.push_back({stem + u".Jpg"_s, [figure] { return draw::jpeg(fullPicture(figure())); }});
                for (char look : {'n', 'k'})
                    out.push_back({stem + QLatin1Char(look) + u".jpg"_s,
                                   [figure, look] { return draw::jpeg(choicePicture(figure(), look)); }});
            }
            for (int number = 1; number <= (upTo20 ? 20 : 10); ++number)
                for (const auto &[look, tail] : {std::pair{'n', "n.Jpg"}, std::pair{'k', "k.Jpg"}, std::pair{'d', "d.jpg"}})
                    out.push_back({folder + u"c"_s + two(number) + QLatin1String(tail),
                                   [number, size, look] { return draw::jpeg(label(number, size, look)); }});
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeConnectFamily() { return std::make_unique<games::ConnectFamily>(); }
} // namespace mediagen
