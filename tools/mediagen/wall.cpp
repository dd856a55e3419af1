// Media of build the wall (402): the bricks 0..9 (a stack of that many
// brick units with the number under it), the finished column "zed10", the
// gap of each number 1..10 (the wall's part of that many units hanging over
// a hole the brick fills) with the plain sky it leaves behind, and the
// background. All units are the same height, so the fitting brick is as
// tall as the hole.
//
// The gap pictures are drawn at 50-pixel steps in the wall box, which begins
// 9 pixels left of the first brick; a gap picture is 59 pixels wide so its
// column stands exactly over the brick's.
#include "draw.h"
#include "games.h"
#include <QPainter>

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

constexpr QSize kBrick{50, 149};
constexpr QSize kGap{59, 253};
constexpr int kUnit = 11;               // one brick unit, in the bricks and the gaps
constexpr int kColumnLeft = 4;          // the stack inside a brick picture
constexpr int kColumnWidth = 40;
constexpr int kStackTop = 4;
constexpr int kSkyBottom = 365;         // the sky of the background ends here
constexpr QPoint kWallBox{186, 99};     // where the wall box lies on the screen
const QColor kBoard(245, 232, 200);
const QColor kWallRed(190, 75, 55);
const QColor kBrickOrange(244, 168, 52);
const QColor kInk(60, 40, 30);

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

// The sky gradient, for a picture whose top-left lies at screen point `at`.
void sky(QPainter &p, QSize size, QPoint at)
{
    draw::vgradient(p, QRectF(0, -at.y(), size.width(), kSkyBottom), QColor(150, 205, 250), QColor(222, 242, 255));
}

void unit(QPainter &p, const QRectF &r, QColor colour)
{
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.setPen(QPen(colour.lighter(130), 1));
    p.drawLine(r.topLeft() + QPointF(3, 2.5), r.topRight() + QPointF(-3, 2.5));
}

// Brick `number` (0..9), or the finished column (10); look 'n' or 'k'.
QImage brick(int number, char look)
{
    QImage img = draw::canvas(kBrick.width(), kBrick.height(), kBoard);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = number == 10 ? kWallRed : kBrickOrange;
    if (number == 0) {
        p.setPen(QPen(QColor(180, 150, 110), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(kColumnLeft + 0.5, kStackTop + 0.5, kColumnWidth - 1, kUnit - 1));
    }
    for (int k = 0; k < number; ++k)
        unit(p, QRectF(kColumnLeft, kStackTop + k * kUnit, kColumnWidth, kUnit), colour);
    const QRect badge(kColumnLeft + 2, 118, kColumnWidth - 4, 27);
    p.setPen(QPen(look == 'k' ? QColor(220, 60, 20) : QColor(150, 120, 80), look == 'k' ? 2 : 1));
    p.setBrush(look == 'k' ? QColor(255, 225, 60) : Qt::white);
    p.drawRoundedRect(QRectF(badge).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    draw::fitText(p, badge, QString::number(number), kInk, 20, 10);
    if (look == 'k') {
        p.setPen(QPen(QColor(230, 70, 20), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 1.5, kBrick.width() - 3, kBrick.height() - 3), 6, 6);
    }
    return img;
}

// The gap of number g: g units of wall over a hole of 10 - g units that
// ends at the wall box's bottom; withWall false gives the plain sky.
QImage gap(int g, bool withWall)
{
    QImage img = draw::canvas(kGap.width(), kGap.height(), QColor(200, 230, 252));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, kGap, kWallBox);
    if (!withWall)
        return img;
    const int left = 9 + kColumnLeft;
    const int bottom = kGap.height() - 4;
    const int hole = 10 - g;
    const int wallTop = bottom - 10 * kUnit;
    for (int k = 0; k < g; ++k)
        unit(p, QRectF(left, wallTop + k * kUnit, kColumnWidth, kUnit), kWallRed);
    if (hole > 0) {
        const QRectF r(left + 0.5, bottom - hole * kUnit + 0.5, kColumnWidth - 1, hole * kUnit - 1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawRect(r);
        p.setPen(QPen(QColor(255, 255, 255), 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    const QRectF badge(left + 4, wallTop - 36, kColumnWidth - 8, kColumnWidth - 8);
    p.setPen(QPen(kWallRed.darker(130), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(badge);
    draw::fitText(p, badge.toRect(), QString::number(g), kInk, 20, 10);
    return img;
}

QImage background()
{
    QImage img = draw::canvas(800, 600, QColor(120, 190, 90));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QSize(800, kSkyBottom), QPoint(0, 0));
    draw::vgradient(p, QRectF(0, kSkyBottom, 800, 600 - kSkyBottom), QColor(130, 200, 95), QColor(90, 160, 70));
    // The board the bricks lie on.
    p.setPen(QPen(QColor(170, 130, 80), 2));
    p.setBrush(kBoard);
    p.drawRoundedRect(QRectF(183, 362, 424, 168), 10, 10);
    draw::emoji(p, QRectF(40, 250, 110, 110), u"👷"_s);
    draw::emoji(p, QRectF(640, 230, 130, 130), u"🏗️"_s);
    draw::emoji(p, QRectF(660, 80, 70, 70), u"☀️"_s);
    draw::emoji(p, QRectF(60, 430, 70, 70), u"🧱"_s);
    return img;
}

class WallFamily final : public Family {
public:
    QString id() const override { return u"wall"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        const QString prefix = u"obr\\402\\zed"_s;
        out.push_back({u"Obr\\402\\bgr.jpg"_s, [] { return draw::jpeg(background()); }});
        for (int n = 0; n <= 10; ++n)
            for (char look : {'n', 'k'})
                out.push_back({prefix + two(n) + QLatin1Char(look) + u".Jpg"_s,
                               [n, look] { return draw::jpeg(brick(n, look)); }});
        for (int g = 1; g <= 10; ++g) {
            out.push_back({prefix + two(g) + u"d.JPG"_s, [g] { return draw::jpeg(gap(g, true)); }});
            out.push_back({prefix + two(g) + u"d1.JPG"_s, [g] { return draw::jpeg(gap(g, false)); }});
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeWallFamily() { return std::make_unique<games::WallFamily>(); }
} // namespace mediagen
