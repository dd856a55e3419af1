// Media of the colouring games 411 and 502: outline pictures closed by
// black lines three pixels wide, their data files (palette, regions with
// markers and colours, places coloured in advance), the colour tiles, the
// empty tile, the one-key switch and the backgrounds.
//
// The data files are derived from the drawn pictures themselves: every
// area bounded by black is found with the program's own flood fill, specks
// too small to point at are filled black, and each region's marker is the
// pixel farthest from its outline. So markers and masks always agree.
#include "colouring_media.h"
#include "draw.h"
#include "games/colouring.h"
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace mediagen::colouring {

namespace {

const QColor kSky(214, 234, 250);
const QColor kGround(255, 255, 255);
constexpr int kPen = 3;
constexpr int kMinRegion = 180;   // pixels; smaller areas are filled black

// The colours of the palettes, none of them black.
const QRgb kColours[10] = {qRgb(248, 220, 0),  qRgb(248, 136, 32), qRgb(224, 30, 50),  qRgb(64, 160, 232),
                           qRgb(40, 190, 80),  qRgb(150, 95, 60),  qRgb(236, 110, 180), qRgb(150, 70, 200),
                           qRgb(40, 70, 170),  qRgb(20, 120, 80)};

QString two(int v)
{
    return QString::number(v).rightJustified(2, u'0');
}

void setup(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black, kPen);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::white);
}

// --------------------------------------------------------------- motifs
// Each motif draws into r (white areas with black outlines; later shapes
// lie over earlier ones).

void house(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QRectF wall(r.left() + 0.15 * w, r.top() + 0.45 * h, 0.7 * w, 0.55 * h);
    p.drawRect(QRectF(r.left() + 0.62 * w, r.top() + 0.12 * h, 0.1 * w, 0.25 * h));   // chimney
    p.drawRect(wall);
    QPolygonF roof({QPointF(r.left() + 0.08 * w, wall.top()), QPointF(r.center().x(), r.top() + 0.1 * h),
                    QPointF(r.right() - 0.08 * w, wall.top())});
    p.drawPolygon(roof);
    p.drawRect(QRectF(r.left() + 0.42 * w, r.top() + 0.68 * h, 0.16 * w, 0.32 * h));   // door
    for (qreal x : {0.22, 0.64}) {
        const QRectF win(r.left() + x * w, r.top() + 0.55 * h, 0.14 * w, 0.16 * h);
        p.drawRect(win);
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    }
    p.drawEllipse(QPointF(r.center().x(), r.top() + 0.32 * h), 0.06 * w, 0.06 * w);   // round window
}

void boat(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.48 * w, r.top() + 0.05 * h), QPointF(r.left() + 0.48 * w, r.top() + 0.62 * h),
                             QPointF(r.left() + 0.12 * w, r.top() + 0.62 * h)}));
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.53 * w, r.top() + 0.12 * h), QPointF(r.left() + 0.53 * w, r.top() + 0.62 * h),
                             QPointF(r.left() + 0.85 * w, r.top() + 0.62 * h)}));
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.48 * w, r.top() + 0.05 * h), QPointF(r.left() + 0.36 * w, r.top() + 0.0 * h + 2),
                             QPointF(r.left() + 0.48 * w, r.top() + 0.0 * h + 2)}));
    QPolygonF hull({QPointF(r.left(), r.top() + 0.65 * h), QPointF(r.right(), r.top() + 0.65 * h),
                    QPointF(r.right() - 0.15 * w, r.top() + 0.88 * h), QPointF(r.left() + 0.15 * w, r.top() + 0.88 * h)});
    p.drawPolygon(hull);
    p.drawLine(QPointF(r.left() + 0.05 * w, r.top() + 0.74 * h), QPointF(r.right() - 0.05 * w, r.top() + 0.74 * h));
    QPainterPath wave;
    wave.moveTo(r.left() - 0.05 * w, r.bottom());
    for (int k = 0; k < 6; ++k)
        wave.quadTo(r.left() + (k + 0.5) * w / 5.5, r.top() + 0.9 * h, r.left() + (k + 1) * w / 5.5, r.bottom());
    wave.lineTo(r.left() - 0.05 * w, r.bottom());
    p.drawPath(wave);
}

void flower(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF c(r.center().x(), r.top() + 0.32 * h);
    p.drawRect(QRectF(c.x() - 0.03 * w, c.y(), 0.06 * w, r.bottom() - c.y()));   // stem
    p.drawEllipse(QPointF(c.x() - 0.16 * w, r.top() + 0.75 * h), 0.14 * w, 0.06 * h);
    p.drawEllipse(QPointF(c.x() + 0.16 * w, r.top() + 0.66 * h), 0.14 * w, 0.06 * h);
    const qreal pr = 0.13 * std::min(w, h);
    for (int k = 0; k < 6; ++k) {
        const qreal a = k * M_PI / 3;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * 1.5 * pr, c.y() + std::sin(a) * 1.5 * pr), pr, pr);
    }
    p.drawEllipse(c, pr * 1.1, pr * 1.1);
}

void fish(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.7 * w, r.center().y()), QPointF(r.right(), r.top() + 0.2 * h),
                             QPointF(r.right(), r.bottom() - 0.2 * h)}));
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.35 * w, r.top() + 0.25 * h), QPointF(r.left() + 0.5 * w, r.top() + 0.05 * h),
                             QPointF(r.left() + 0.6 * w, r.top() + 0.3 * h)}));
    const QRectF body(r.left(), r.top() + 0.2 * h, 0.78 * w, 0.6 * h);
    p.drawEllipse(body);
    p.drawLine(QPointF(body.left() + 0.32 * body.width(), body.top() + 4), QPointF(body.left() + 0.32 * body.width(), body.bottom() - 4));
    p.drawLine(QPointF(body.left() + 0.55 * body.width(), body.top() + 2), QPointF(body.left() + 0.55 * body.width(), body.bottom() - 2));
    p.drawEllipse(QPointF(body.left() + 0.17 * body.width(), body.top() + 0.38 * body.height()), 0.04 * w, 0.04 * w);
}

void tree(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.drawRect(QRectF(r.center().x() - 0.09 * w, r.top() + 0.55 * h, 0.18 * w, 0.45 * h));
    p.drawEllipse(QRectF(r.left() + 0.05 * w, r.top() + 0.25 * h, 0.5 * w, 0.42 * h));
    p.drawEllipse(QRectF(r.left() + 0.45 * w, r.top() + 0.25 * h, 0.5 * w, 0.42 * h));
    p.drawEllipse(QRectF(r.left() + 0.2 * w, r.top(), 0.6 * w, 0.48 * h));
    for (const QPointF a : {QPointF(0.35, 0.2), QPointF(0.62, 0.3), QPointF(0.22, 0.48), QPointF(0.75, 0.52)})
        p.drawEllipse(QPointF(r.left() + a.x() * w, r.top() + a.y() * h), 0.045 * w, 0.045 * w);
}

void car(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.22 * w, r.top() + 0.45 * h), QPointF(r.left() + 0.32 * w, r.top() + 0.15 * h),
                             QPointF(r.left() + 0.7 * w, r.top() + 0.15 * h), QPointF(r.left() + 0.82 * w, r.top() + 0.45 * h)}));
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.3 * w, r.top() + 0.42 * h), QPointF(r.left() + 0.36 * w, r.top() + 0.22 * h),
                             QPointF(r.left() + 0.49 * w, r.top() + 0.22 * h), QPointF(r.left() + 0.49 * w, r.top() + 0.42 * h)}));
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.54 * w, r.top() + 0.42 * h), QPointF(r.left() + 0.54 * w, r.top() + 0.22 * h),
                             QPointF(r.left() + 0.67 * w, r.top() + 0.22 * h), QPointF(r.left() + 0.74 * w, r.top() + 0.42 * h)}));
    p.drawRoundedRect(QRectF(r.left(), r.top() + 0.45 * h, w, 0.33 * h), 12, 12);
    p.drawRect(QRectF(r.right() - 0.08 * w, r.top() + 0.52 * h, 0.06 * w, 0.08 * h));   // lamp
    for (qreal x : {0.22, 0.78}) {
        p.drawEllipse(QPointF(r.left() + x * w, r.top() + 0.8 * h), 0.12 * w, 0.12 * w);
        p.drawEllipse(QPointF(r.left() + x * w, r.top() + 0.8 * h), 0.05 * w, 0.05 * w);
    }
}

void butterfly(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF c = r.center();
    p.drawEllipse(QRectF(r.left(), r.top(), 0.48 * w, 0.55 * h));
    p.drawEllipse(QRectF(r.left() + 0.52 * w, r.top(), 0.48 * w, 0.55 * h));
    p.drawEllipse(QRectF(r.left() + 0.08 * w, r.top() + 0.5 * h, 0.38 * w, 0.42 * h));
    p.drawEllipse(QRectF(r.left() + 0.54 * w, r.top() + 0.5 * h, 0.38 * w, 0.42 * h));
    for (const QPointF a : {QPointF(0.22, 0.26), QPointF(0.78, 0.26), QPointF(0.27, 0.7), QPointF(0.73, 0.7)})
        p.drawEllipse(QPointF(r.left() + a.x() * w, r.top() + a.y() * h), 0.08 * w, 0.08 * w);
    p.drawRoundedRect(QRectF(c.x() - 0.05 * w, r.top() + 0.1 * h, 0.1 * w, 0.85 * h), 10, 10);
}

void cat(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QRectF head(r.left() + 0.1 * w, r.top() + 0.2 * h, 0.8 * w, 0.75 * h);
    p.drawPolygon(QPolygonF({QPointF(head.left() + 0.05 * w, head.top() + 0.25 * h), QPointF(head.left() + 0.05 * w, r.top()),
                             QPointF(head.left() + 0.35 * w, head.top() + 0.05 * h)}));
    p.drawPolygon(QPolygonF({QPointF(head.right() - 0.05 * w, head.top() + 0.25 * h), QPointF(head.right() - 0.05 * w, r.top()),
                             QPointF(head.right() - 0.35 * w, head.top() + 0.05 * h)}));
    p.drawEllipse(head);
    for (qreal x : {0.35, 0.65})
        p.drawEllipse(QPointF(r.left() + x * w, r.top() + 0.5 * h), 0.08 * w, 0.1 * h);
    p.drawPolygon(QPolygonF({QPointF(r.center().x() - 0.06 * w, r.top() + 0.65 * h),
                             QPointF(r.center().x() + 0.06 * w, r.top() + 0.65 * h), QPointF(r.center().x(), r.top() + 0.73 * h)}));
    p.drawEllipse(QRectF(r.center().x() - 0.16 * w, r.top() + 0.74 * h, 0.32 * w, 0.14 * h));
}

void rocket(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const qreal cx = r.center().x();
    p.drawPolygon(QPolygonF({QPointF(cx - 0.1 * w, r.top() + 0.82 * h), QPointF(cx, r.bottom()), QPointF(cx + 0.1 * w, r.top() + 0.82 * h)}));
    p.drawPolygon(QPolygonF({QPointF(cx - 0.15 * w, r.top() + 0.55 * h), QPointF(cx - 0.35 * w, r.top() + 0.85 * h),
                             QPointF(cx - 0.15 * w, r.top() + 0.8 * h)}));
    p.drawPolygon(QPolygonF({QPointF(cx + 0.15 * w, r.top() + 0.55 * h), QPointF(cx + 0.35 * w, r.top() + 0.85 * h),
                             QPointF(cx + 0.15 * w, r.top() + 0.8 * h)}));
    p.drawRect(QRectF(cx - 0.15 * w, r.top() + 0.3 * h, 0.3 * w, 0.52 * h));
    p.drawPolygon(QPolygonF({QPointF(cx - 0.15 * w, r.top() + 0.3 * h), QPointF(cx, r.top()), QPointF(cx + 0.15 * w, r.top() + 0.3 * h)}));
    p.drawEllipse(QPointF(cx, r.top() + 0.45 * h), 0.08 * w, 0.08 * w);
    p.drawEllipse(QPointF(cx, r.top() + 0.66 * h), 0.06 * w, 0.06 * w);
}

void snowman(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const qreal cx = r.center().x();
    p.drawEllipse(QPointF(cx, r.top() + 0.75 * h), 0.3 * w, 0.24 * h);
    p.drawEllipse(QPointF(cx, r.top() + 0.45 * h), 0.22 * w, 0.16 * h);
    p.drawEllipse(QPointF(cx, r.top() + 0.22 * h), 0.16 * w, 0.12 * h);
    p.drawRect(QRectF(cx - 0.12 * w, r.top(), 0.24 * w, 0.12 * h));
    p.drawRect(QRectF(cx - 0.2 * w, r.top() + 0.1 * h, 0.4 * w, 0.04 * h));
    p.drawPolygon(QPolygonF({QPointF(cx, r.top() + 0.21 * h), QPointF(cx + 0.2 * w, r.top() + 0.25 * h), QPointF(cx, r.top() + 0.27 * h)}));
    for (qreal y : {0.4, 0.5, 0.68})
        p.drawEllipse(QPointF(cx, r.top() + y * h), 0.035 * w, 0.035 * w);
}

void sun(QPainter &p, QPointF c, qreal radius)
{
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * M_PI / 4 + M_PI / 8;
        const QPointF d(std::cos(a), std::sin(a));
        QPolygonF ray({c + d * radius * 1.1 + QPointF(-d.y(), d.x()) * radius * 0.25, c + d * radius * 1.8,
                       c + d * radius * 1.1 - QPointF(-d.y(), d.x()) * radius * 0.25});
        p.drawPolygon(ray);
    }
    p.drawEllipse(c, radius, radius);
}

using Motif = void (*)(QPainter &, const QRectF &);
constexpr Motif kMotifs[10] = {house, boat, flower, fish, tree, car, butterfly, cat, rocket, snowman};

} // namespace

QImage outlinePicture(int level, int picture)
{
    const int w = 465, h = 380;
    QImage img = draw::canvas(w, h, kSky);
    QPainter p(&img);
    setup(p);
    const Motif motif = kMotifs[(picture - 1) % 10];
    if (level >= 2) {
        // A ground to colour, a sun in the corner and a smaller second motif.
        p.drawRect(QRectF(-5, h * 0.78, w + 10, h));
        sun(p, QPointF(w - 58, 58), 26);
        kMotifs[(picture + 3) % 10](p, QRectF(w * 0.07, h * 0.5, w * 0.22, h * 0.36));
        motif(p, QRectF(w * 0.36, h * 0.12, w * 0.44, h * 0.78));
    } else {
        motif(p, QRectF(w * 0.2, h * 0.08, w * 0.6, h * 0.84));
    }
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 3, h - 3));
    p.end();
    return img;
}

QImage rewardPicture(int set)
{
    const int s = 480;
    QImage img = draw::canvas(s, s, QColor(Qt::white));
    QPainter p(&img);
    setup(p);
    // One scene per card set (meadow, sea, space, farm, winter, vehicles,
    // jungle, forest, sweets, toys), drawn as an outline of two motifs.
    struct Scene { Motif big; Motif small; bool ground; bool withSun; };
    const Scene scenes[10] = {{flower, butterfly, true, true},  {fish, boat, false, false}, {rocket, nullptr, false, false},
                              {house, tree, true, true},        {snowman, tree, true, false}, {car, nullptr, true, true},
                              {butterfly, flower, true, true},  {tree, tree, true, false},  {flower, flower, true, true},
                              {cat, car, true, false}};
    const Scene &sc = scenes[std::clamp(set, 1, 10) - 1];
    if (sc.ground)
        p.drawRect(QRectF(-5, s * 0.8, s + 10, s));
    if (set == 3)
        for (const QPointF c : {QPointF(80, 90), QPointF(400, 120), QPointF(90, 380), QPointF(390, 400)})
            p.drawPath(draw::starPath(c, 34, 15));
    if (sc.withSun)
        sun(p, QPointF(s - 70, 70), 30);
    if (sc.small)
        sc.small(p, QRectF(s * 0.06, s * 0.5, s * 0.26, s * 0.38));
    sc.big(p, QRectF(s * 0.3, s * 0.12, s * 0.55, s * 0.76));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, s - 3, s - 3));
    p.end();
    return img;
}

Analysis analyse(QImage &img, QPoint outside)
{
    img = img.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    // Only exact black is outline; dark lines drawn otherwise become black.
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            if (qRed(line[x]) < 60 && qGreen(line[x]) < 60 && qBlue(line[x]) < 60)
                line[x] = flumo::kColouringBlack;
    }
    Analysis out;
    std::vector<int> label(static_cast<std::size_t>(w * h), 0);
    std::vector<std::vector<int>> areas;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * w + x);
            if (label[i] != 0 || (img.pixel(x, y) | 0xff000000) == flumo::kColouringBlack)
                continue;
            std::vector<int> px = flumo::regionPixels(img, QPoint(x, y));
            const int id = static_cast<int>(areas.size()) + 1;
            for (int k : px)
                label[static_cast<std::size_t>(k)] = id;
            areas.push_back(std::move(px));
        }
    const int outsideId = label[static_cast<std::size_t>(outside.y() * w + outside.x())];
    // Chamfer distance to the nearest black pixel, for the markers.
    std::vector<int> dist(static_cast<std::size_t>(w * h), 0);
    constexpr int kBig = 1 << 20;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * w + x);
            if (label[i] == 0)
                continue;
            int d = kBig;
            if (x > 0) d = std::min(d, dist[i - 1] + 3);
            if (y > 0) d = std::min(d, dist[i - static_cast<std::size_t>(w)] + 3);
            if (x > 0 && y > 0) d = std::min(d, dist[i - static_cast<std::size_t>(w) - 1] + 4);
            if (x + 1 < w && y > 0) d = std::min(d, dist[i - static_cast<std::size_t>(w) + 1] + 4);
            dist[i] = (x == 0 || y == 0) ? 0 : d;
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            const std::size_t i = static_cast<std::size_t>(y * w + x);
            if (label[i] == 0)
                continue;
            int d = dist[i];
            if (x + 1 < w) d = std::min(d, dist[i + 1] + 3);
            if (y + 1 < h) d = std::min(d, dist[i + static_cast<std::size_t>(w)] + 3);
            if (x + 1 < w && y + 1 < h) d = std::min(d, dist[i + static_cast<std::size_t>(w) + 1] + 4);
            if (x > 0 && y + 1 < h) d = std::min(d, dist[i + static_cast<std::size_t>(w) - 1] + 4);
            dist[i] = (x == w - 1 || y == h - 1) ? 0 : d;
        }
    for (std::size_t a = 0; a < areas.size(); ++a) {
        const std::vector<int> &px = areas[a];
        if (static_cast<int>(a) + 1 == outsideId) {
            out.outside = outside;
            continue;
        }
        if (static_cast<int>(px.size()) < kMinRegion) {
            flumo::fillPixels(img, px, flumo::kColouringBlack);
            continue;
        }
        int best = px.front();
        for (int k : px)
            if (dist[static_cast<std::size_t>(k)] > dist[static_cast<std::size_t>(best)])
                best = k;
        out.marks.push_back(QPoint(best % w, best / w));
    }
    // Top to bottom, left to right: the order the Space key visits them.
    std::sort(out.marks.begin(), out.marks.end(), [](QPoint a, QPoint b) {
        return a.y() / 40 != b.y() / 40 ? a.y() / 40 < b.y() / 40 : a.x() < b.x();
    });
    return out;
}

QRgb paletteColour(int picture, int colours, int i)
{
    // A different choice and order of the ten colours for each picture.
    const int start = (picture * 3) % 10;
    const int step = colours == 4 ? 3 : 1;
    return kColours[(start + (i - 1) * step) % 10];
}

QString dataFile(const Analysis &a, int picture, int colours)
{
    QString t;
    if (colours > 0) {
        t += u"[barvy]\n"_s;
        for (int i = 1; i <= colours; ++i) {
            const QRgb c = paletteColour(picture, colours, i);
            t += u"r%1=%2\ng%1=%3\nb%1=%4\n"_s.arg(i).arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
        }
    }
    t += u"[Plochy]\nPocet ploch=%1\n"_s.arg(a.marks.size());
    for (std::size_t r = 0; r < a.marks.size(); ++r) {
        const int colour = colours > 0 ? static_cast<int>((r * 3 + static_cast<std::size_t>(picture)) % static_cast<std::size_t>(colours)) + 1
                                       : static_cast<int>(r % 10) + 1;
        t += u"[Plocha%1]\nx=%2\ny=%3\nb=%4\n"_s.arg(two(static_cast<int>(r) + 1)).arg(a.marks[r].x()).arg(a.marks[r].y()).arg(colour);
    }
    if (colours > 0) {
        t += u"[Barevne]\nPocet ploch=%1\n"_s.arg(a.outside.x() >= 0 ? 1 : 0);
        if (a.outside.x() >= 0)
            t += u"[Barevne01]\nx=%1\ny=%2\n"_s.arg(a.outside.x()).arg(a.outside.y());
    }
    return t;
}

QImage colourTile(QRgb colour, char look, bool numberSpot)
{
    QImage img = draw::canvas(84, 84, QColor(167, 169, 192));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (look == 'k') {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 200));
        p.drawRoundedRect(QRectF(0, 0, 84, 84), 14, 14);
    }
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.setBrush(QColor(colour));
    p.drawRoundedRect(QRectF(7, 7, 70, 70), 12, 12);
    if (numberSpot) {
        p.setPen(QPen(QColor(60, 60, 80), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(44, 40), 18, 18);
    }
    if (look == 'k') {
        p.setPen(QPen(QColor(255, 120, 0), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, 78, 78), 13, 13);
    }
    p.end();
    return img;
}

QImage emptyTile()
{
    QImage img = draw::canvas(84, 84, QColor(167, 169, 192));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(130, 130, 150), 2, Qt::DashLine));
    p.setBrush(QColor(200, 202, 215));
    p.drawRoundedRect(QRectF(7, 7, 70, 70), 12, 12);
    p.end();
    return img;
}

QImage oneKeySwitch(bool on)
{
    QImage img = draw::canvas(207, 23, QColor(193, 195, 207));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 15, 15));
    if (on) {
        p.setPen(QPen(QColor(0, 140, 40), 3));
        p.drawPolyline(QPolygonF({QPointF(6, 11), QPointF(10, 16), QPointF(18, 5)}));
    }
    draw::fitText(p, QRect(26, 0, 180, 23), u"Jednou klávesou"_s, QColor(30, 30, 60), 15, 9, Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    return img;
}

QImage background(bool reward)
{
    QImage img = draw::canvas(800, 600, QColor(230, 232, 245));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(p, QRectF(0, 0, 800, 600), reward ? QColor(250, 236, 210) : QColor(222, 236, 250),
                    reward ? QColor(240, 210, 230) : QColor(236, 226, 250));
    // Soft colour blots around the edges, as on a painter's table.
    const QRgb blots[6] = {kColours[0], kColours[2], kColours[3], kColours[4], kColours[6], kColours[7]};
    for (int k = 0; k < 6; ++k) {
        QColor c(blots[k]);
        c.setAlpha(60);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(k % 2 == 0 ? 20 + k * 8 : 780 - k * 8, 80 + k * 90), 40, 30);
    }
    p.end();
    return img;
}

namespace {

class ColouringFamily final : public Family {
public:
    QString id() const override { return u"colouring"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        // 411: level 1 pictures 1..9, level 2 pictures 1..10 (1..8 with eight colours).
        for (int level = 1; level <= 2; ++level)
            for (int pic = 1; pic <= (level == 1 ? 9 : 10); ++pic) {
                const QString stem = u"obr\\411\\"_s + QString::number(level) + u"\\obr"_s + two(pic);
                out.push_back({stem + u".bmp"_s, [=] {
                                   QImage img = outlinePicture(level, pic);
                                   analyse(img, QPoint(6, 6));
                                   return draw::bmp(img);
                               }});
                for (int colours : {4, 8}) {
                    if (level == 2 && colours == 8 && pic > 8)
                        continue;
                    out.push_back({stem + u"_"_s + QString::number(colours) + u".INI"_s, [=] {
                                       QImage img = outlinePicture(level, pic);
                                       const Analysis a = analyse(img, QPoint(6, 6));
                                       return draw::iniText(dataFile(a, pic, colours));
                                   }});
                }
            }
        for (int colours : {4, 8})
            for (int pic = 1; pic <= 10; ++pic)
                for (int i = 1; i <= colours; ++i)
                    for (char look : {'n', 'k'})
                        out.push_back({u"obr\\411\\barvy pro "_s + QString::number(colours) + u"\\obr"_s + two(pic) + u'_'
                                           + QString::number(i) + QLatin1Char(look) + u".Jpg"_s,
                                       [=] { return draw::jpeg(colourTile(paletteColour(pic, colours, i), look, true)); }});
        out.push_back({u"obr\\411\\Barva0.Jpg"_s, [] { return draw::jpeg(emptyTile()); }});
        out.push_back({u"Obr\\411\\bgr.jpg"_s, [] { return draw::jpeg(background(false)); }});
        // 502.
        const auto palette = flumo::rewardPalette();
        for (int i = 1; i <= 10; ++i)
            for (char look : {'n', 'k'})
                out.push_back({u"obr\\411\\vybarv\\bar"_s + two(i) + QLatin1Char(look) + u".Jpg"_s,
                               [=] { return draw::jpeg(colourTile(palette[static_cast<std::size_t>(i)], look, false)); }});
        for (int set = 1; set <= 10; ++set) {
            out.push_back({u"obr\\411\\vybarv\\vyb"_s + two(set) + u".bmp"_s, [=] {
                               QImage img = rewardPicture(set);
                               analyse(img, QPoint(10, 10));
                               return draw::bmp(img);
                           }});
            out.push_back({u"obr\\411\\vybarv\\vyb"_s + two(set) + u".INI"_s, [=] {
                               QImage img = rewardPicture(set);
                               const Analysis a = analyse(img, QPoint(10, 10));
                               return draw::iniText(dataFile(a, set, 0));
                           }});
        }
        out.push_back({u"obr\\411\\Vybarv\\Barva0.Jpg"_s, [] { return draw::jpeg(emptyTile()); }});
        out.push_back({u"obr\\411\\vybarv\\Zatrh1.jpg"_s, [] { return draw::jpeg(oneKeySwitch(true)); }});
        out.push_back({u"obr\\411\\vybarv\\Zatrh2.jpg"_s, [] { return draw::jpeg(oneKeySwitch(false)); }});
        out.push_back({u"Obr\\411\\vybarv\\bgr.jpg"_s, [] { return draw::jpeg(background(true)); }});
        return out;
    }
};

} // namespace

} // namespace mediagen::colouring

namespace mediagen {
std::unique_ptr<Family> makeColouringFamily() { return std::make_unique<colouring::ColouringFamily>(); }
} // namespace mediagen
