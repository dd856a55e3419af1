#include "family.h"

#include "gif.h"
#include "mascot.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <random>

using namespace Qt::StringLiterals;

namespace mediagen {

namespace {

constexpr double kPi = std::numbers::pi;

// Sizes the program's animation views are laid out for.
constexpr QSize kSpeakerSize(120, 150);   // "obr-pom\nulinkaN.GIF"
constexpr QSize kPraiseSize(170, 160);    // "obr-pom\nulákNN.GIF", at most 177 x 162
constexpr QSize kNumberSize(130, 160);    // "obr-pom\NN.GIF"

QImage blankFrame(QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QColor darker(const QColor &c, int f = 160) { return c.darker(f); }

// ---------------------------------------------------------------------------
// The little zero: the friendly character that speaks the prompts and
// celebrates in some praise animations. Drawn around its centre (cx, cy);
// scale 1 is about 70 x 90 pixels of body.

struct ZeroLook {
    QColor body;
    QColor accent;
    int accessory = 0;   // 0 bow, 1 hat, 2 glasses, 3 hair curl
};

void drawZero(QPainter &p, QPointF c, double scale, const ZeroLook &look, double mouthOpen,
              bool blink, double leftArm, double rightArm, double squash = 1.0)
{
    p.save();
    p.translate(c);
    p.scale(scale, scale * squash);
    const QColor outline = darker(look.body, 220);
    const QPen pen(outline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Legs and shoes.
    p.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-12, 38), QPointF(-14, 52));
    p.drawLine(QPointF(12, 38), QPointF(14, 52));
    p.setPen(pen);
    p.setBrush(look.accent);
    p.drawEllipse(QRectF(-24, 48, 16, 9));
    p.drawEllipse(QRectF(8, 48, 16, 9));

    // Arms: angles in degrees from hanging down, positive raises them outwards.
    auto arm = [&](double side, double angle) {
        const double a = (angle + 20) * kPi / 180.0;
        const QPointF shoulder(side * 30, 2);
        const QPointF hand = shoulder + QPointF(side * std::sin(a) * 24, std::cos(a) * 24);
        p.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(shoulder, hand);
        p.setPen(pen);
        p.setBrush(QColor(255, 224, 189));
        p.drawEllipse(hand, 5.5, 5.5);
    };
    arm(-1, leftArm);
    arm(1, rightArm);

    // Body: the zero itself, with a light belly like the hole of the digit.
    QRadialGradient shade(QPointF(-10, -14), 60);
    shade.setColorAt(0, look.body.lighter(135));
    shade.setColorAt(1, look.body);
    p.setPen(pen);
    p.setBrush(shade);
    p.drawEllipse(QRectF(-34, -44, 68, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QRectF(-21, -28, 42, 58));

    // Face inside the belly.
    p.setBrush(QColor(40, 40, 60));
    if (blink) {
        p.setPen(QPen(QColor(40, 40, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-12, -10), QPointF(-5, -10));
        p.drawLine(QPointF(5, -10), QPointF(12, -10));
        p.setPen(Qt::NoPen);
    } else {
        p.drawEllipse(QPointF(-8.5, -10), 4, 5);
        p.drawEllipse(QPointF(8.5, -10), 4, 5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(-7.5, -11.5), 1.4, 1.6);
        p.drawEllipse(QPointF(9.5, -11.5), 1.4, 1.6);
    }
    p.setBrush(QColor(255, 140, 150, 150));
    p.drawEllipse(QPointF(-14, 2), 4.5, 3);
    p.drawEllipse(QPointF(14, 2), 4.5, 3);

    // Mouth: a smile that opens into an oval as the character speaks.
    p.setPen(QPen(QColor(120, 30, 40), 2, Qt::SolidLine, Qt::RoundCap));
    if (mouthOpen < 0.05) {
        QPainterPath smile;
        smile.moveTo(-8, 6);
        smile.quadTo(0, 13, 8, 6);
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
    } else {
        p.setBrush(QColor(170, 40, 55));
        const double h = 3 + 10 * mouthOpen;
        p.drawEllipse(QRectF(-6 - 2 * mouthOpen, 6, 12 + 4 * mouthOpen, h));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 130));
        p.drawEllipse(QRectF(-3.5, 6 + h * 0.55, 7, h * 0.4));
    }

    // Accessory on top.
    p.setPen(pen);
    p.setBrush(look.accent);
    switch (look.accessory) {
    case 0: { // bow
        QPainterPath bow;
        bow.moveTo(0, -44);
        bow.lineTo(-16, -54);
        bow.lineTo(-16, -36);
        bow.closeSubpath();
        bow.moveTo(0, -44);
        bow.lineTo(16, -54);
        bow.lineTo(16, -36);
        bow.closeSubpath();
        p.drawPath(bow);
        p.drawEllipse(QPointF(0, -44), 4.5, 4.5);
        break;
    }
    case 1: // hat
        p.drawRect(QRectF(-15, -64, 30, 20));
        p.drawRect(QRectF(-24, -46, 48, 5));
        p.setBrush(look.body.lighter(150));
        p.drawRect(QRectF(-15, -51, 30, 5));
        break;
    case 2: // glasses
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.accent.darker(150), 2));
        p.drawEllipse(QPointF(-8.5, -10), 7, 7);
        p.drawEllipse(QPointF(8.5, -10), 7, 7);
        p.drawLine(QPointF(-1.5, -10), QPointF(1.5, -10));
        // and a small antenna with a ball
        p.setPen(pen);
        p.drawLine(QPointF(0, -44), QPointF(4, -58));
        p.setBrush(look.accent);
        p.drawEllipse(QPointF(4, -60), 5, 5);
        break;
    default: { // hair curl
        QPainterPath curl;
        curl.moveTo(-4, -43);
        curl.cubicTo(-14, -62, 12, -66, 8, -52);
        curl.cubicTo(6, -46, -2, -50, 2, -54);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.accent.darker(130), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(curl);
        break;
    }
    }
    p.restore();
}

const ZeroLook kSpeakers[4] = {
    {QColor(255, 150, 40), QColor(230, 40, 90), 0},
    {QColor(60, 140, 230), QColor(250, 200, 40), 1},
    {QColor(90, 190, 80), QColor(150, 70, 200), 2},
    {QColor(240, 100, 170), QColor(250, 120, 40), 3},
};

// A speaking character: the mouth moves through a talking pattern, the eyes
// blink once, the body bobs gently and one hand gestures.
QByteArray speakerGif(int n)
{
    const ZeroLook &look = kSpeakers[(n - 1) % 4];
    static const double mouth[] = {0.0, 0.6, 1.0, 0.4, 0.0, 0.8, 0.3, 0.9, 0.5, 0.0};
    const int frames = int(std::size(mouth));
    std::vector<GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        QImage img = blankFrame(kSpeakerSize);
        QPainter p(&img);
        smooth(p);
        const double phase = 2 * kPi * f / frames;
        const double bob = 2.5 * std::sin(phase);
        const double gesture = 30 + 25 * std::sin(phase * (n % 2 ? 2 : 1));
        drawZero(p, QPointF(60, 82 + bob), 0.95, look, mouth[f], f == 6, n % 2 ? 15 : gesture,
                 n % 2 ? gesture : 15);
        p.end();
        out.push_back({img, 12});
    }
    return encodeGif(out);
}

// ---------------------------------------------------------------------------
// Praise animations: six kinds of cheerful scene, each in five colour
// schemes with its own speed and details, for thirty different animations.

struct Scheme {
    QColor main, second, third;
};

const Scheme kSchemes[5] = {
    {QColor(255, 200, 0), QColor(255, 90, 60), QColor(60, 170, 255)},
    {QColor(255, 110, 180), QColor(140, 90, 240), QColor(80, 220, 160)},
    {QColor(90, 210, 90), QColor(255, 170, 30), QColor(240, 70, 90)},
    {QColor(70, 160, 255), QColor(255, 230, 70), QColor(255, 120, 60)},
    {QColor(250, 130, 40), QColor(60, 200, 220), QColor(200, 80, 230)},
};

QPainterPath starPath(QPointF c, double outer, double inner, double rotation, int points = 5)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = rotation + kPi * i / points - kPi / 2;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void drawSmile(QPainter &p, QPointF c, double r, bool wink, const QColor &ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.2), r * 0.1, r * 0.14);
    if (wink) {
        p.setPen(QPen(ink, r * 0.07, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(r * 0.25, -r * 0.2), c + QPointF(r * 0.45, -r * 0.2));
    } else {
        p.drawEllipse(c + QPointF(r * 0.35, -r * 0.2), r * 0.1, r * 0.14);
    }
    QPainterPath m;
    m.moveTo(c + QPointF(-r * 0.4, r * 0.15));
    m.quadTo(c + QPointF(0, r * 0.6), c + QPointF(r * 0.4, r * 0.15));
    p.setPen(QPen(ink, r * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
}

void sparkle(QPainter &p, QPointF c, double r, const QColor &col)
{
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(starPath(c, r, r * 0.3, 0, 4));
}

// Kind 0: a star that jumps, squashes on landing and turns, with sparkles.
void praiseStar(QPainter &p, int f, int frames, const Scheme &s, int variant)
{
    const double t = double(f) / frames;
    const double jump = std::abs(std::sin(kPi * t * (variant % 2 + 1)));
    const double y = 112 - 62 * jump;
    const double squash = jump < 0.15 ? 0.8 + jump : 1.0;
    p.save();
    p.translate(85, y + 40);
    p.scale(1.0 / std::sqrt(squash), squash);
    p.translate(0, -40);
    const double rot = (variant >= 2 ? 2 * kPi * t / 5 : 0.15 * std::sin(2 * kPi * t));
    p.setPen(QPen(darker(s.main), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.main);
    p.drawPath(starPath(QPointF(0, 0), 42, 19, rot));
    drawSmile(p, QPointF(0, 3), 16, f % 6 == 3, QColor(90, 50, 20));
    p.restore();
    for (int k = 0; k < 5; ++k) {
        const double a = 2 * kPi * k / 5 + t * 2 * kPi * 0.5;
        const double grow = std::fmod(t * 2 + k * 0.2, 1.0);
        sparkle(p, QPointF(85 + std::cos(a) * 70, 80 + std::sin(a) * 64), 4 + 6 * std::sin(kPi * grow),
                k % 2 ? s.second : s.third);
    }
    // Shadow on the ground grows as the star comes down.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(85, 154), 30 - 12 * jump, 4);
}

// Kind 1: a smiling sun with turning, pulsing rays.
void praiseSun(QPainter &p, int f, int frames, const Scheme &s, int variant)
{
    const double t = double(f) / frames;
    const QPointF c(85, 80);
    const int rays = 10 + 2 * variant;
    p.setPen(Qt::NoPen);
    for (int k = 0; k < rays; ++k) {
        const double a = 2 * kPi * k / rays + 2 * kPi * t / rays * 2;
        const double len = 64 + 8 * std::sin(2 * kPi * t * 2 + k);
        QPainterPath ray;
        ray.moveTo(c + QPointF(std::cos(a - 0.12) * 40, std::sin(a - 0.12) * 40));
        ray.lineTo(c + QPointF(std::cos(a) * len, std::sin(a) * len));
        ray.lineTo(c + QPointF(std::cos(a + 0.12) * 40, std::sin(a + 0.12) * 40));
        ray.closeSubpath();
        p.setBrush(k % 2 ? s.second : s.main);
        p.drawPath(ray);
    }
    // The face stays sun-coloured; the scheme colours the rays.
    const QColor sun(255, 205, 40);
    QRadialGradient g(c + QPointF(-12, -12), 55);
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(1, sun);
    p.setPen(QPen(darker(sun, 130), 3));
    p.setBrush(g);
    p.drawEllipse(c, 44, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 120, 140));
    p.drawEllipse(c + QPointF(-24, 12), 7, 5);
    p.drawEllipse(c + QPointF(24, 12), 7, 5);
    drawSmile(p, c, 44, f >= frames / 2 && f < frames / 2 + 2, QColor(120, 60, 10));
}

// Kind 2: balloons rising and swaying; they wrap round to the bottom.
void praiseBalloons(QPainter &p, int f, int frames, const Scheme &s, int variant)
{
    const double t = double(f) / frames;
    const QColor cols[3] = {s.main, s.second, s.third};
    const int count = 3 + variant % 2;
    for (int k = 0; k < count; ++k) {
        const double x = 30 + k * (110.0 / (count - 1)) + 8 * std::sin(2 * kPi * (t + k * 0.3));
        const double rise = std::fmod(t + k / double(count), 1.0);
        const double y = 190 - rise * 230;
        QColor col = cols[k % 3];
        QPainterPath string;
        string.moveTo(x, y + 30);
        string.cubicTo(x - 6, y + 45, x + 6, y + 55, x, y + 70);
        p.setPen(QPen(QColor(90, 90, 90), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        QRadialGradient g(QPointF(x - 7, y - 8), 30);
        g.setColorAt(0, col.lighter(160));
        g.setColorAt(1, col);
        p.setPen(QPen(darker(col, 140), 2));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), 20, 26);
        QPainterPath knot;
        knot.moveTo(x, y + 25);
        knot.lineTo(x - 4, y + 31);
        knot.lineTo(x + 4, y + 31);
        knot.closeSubpath();
        p.setBrush(col);
        p.drawPath(knot);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(x - 8, y - 10), 4, 7);
    }
}

// Kind 3: fireworks: bursts that expand and fade, one after another.
void praiseFireworks(QPainter &p, int f, int frames, const Scheme &s, int variant)
{
    const QColor cols[3] = {s.main, s.second, s.third};
    const QPointF centres[3] = {QPointF(55, 60), QPointF(118, 50), QPointF(88, 105)};
    for (int b = 0; b < 3; ++b) {
        const double local = std::fmod(double(f) / frames + b / 3.0, 1.0);
        const double radius = 8 + 55 * std::sqrt(local);
        const int alpha = int(255 * (1.0 - local * local));
        const int sparks = 10 + 2 * variant;
        QColor col = cols[(b + variant) % 3];
        col.setAlpha(255);
        for (int k = 0; k < sparks; ++k) {
            const double a = 2 * kPi * k / sparks + b;
            const QPointF tip = centres[b] + QPointF(std::cos(a) * radius, std::sin(a) * radius + 10 * local * local);
            const QPointF tail = centres[b] + QPointF(std::cos(a) * radius * 0.6, std::sin(a) * radius * 0.6);
            if (alpha < 128)
                continue;  // faded sparks vanish (the GIF has no half-transparency)
            p.setPen(QPen(col, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(tail, tip);
            p.setPen(Qt::NoPen);
            p.setBrush(col.lighter(140));
            p.drawEllipse(tip, 3, 3);
        }
        if (local < 0.15) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 220));
            p.drawEllipse(centres[b], 9, 9);
        }
    }
}

// Kind 4: the little zero jumps for joy with its arms up.
void praiseZero(QPainter &p, int f, int frames, const Scheme &s, int variant)
{
    const double t = double(f) / frames;
    const double jump = std::abs(std::sin(2 * kPi * t));
    const ZeroLook look{s.main, s.second, variant % 4};
    const double arms = 120 + 40 * std::sin(4 * kPi * t);
    drawZero(p, QPointF(85, 100 - 30 * jump), 1.0, look, 0.7 + 0.3 * jump, false, arms,
             variant % 2 ? 170 - (arms - 120) : arms, jump < 0.1 ? 0.88 : 1.0);
    for (int k = 0; k < 6; ++k) {
        const double a = 2 * kPi * k / 6 + t * kPi;
        sparkle(p, QPointF(85 + std::cos(a) * 72, 70 + std::sin(a) * 58), 5 + 3 * std::sin(2 * kPi * t + k),
                k % 2 ? s.third : s.second);
    }
}

// Kind 5: a beating heart under falling confetti.
void praiseHeart(QPainter &p, int f, int frames, const Scheme &s, int variant)
{
    const double t = double(f) / frames;
    std::mt19937 rng(1234 + variant);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    const QColor cols[3] = {s.main, s.second, s.third};
    for (int k = 0; k < 24; ++k) {
        const double x0 = uni(rng) * 170, speed = 0.6 + uni(rng) * 0.8, phase = uni(rng);
        const double y = std::fmod(phase + t * speed, 1.0) * 180 - 10;
        p.save();
        p.translate(x0 + 6 * std::sin(2 * kPi * (t + phase)), y);
        p.rotate(360 * (t * speed + phase));
        p.setPen(Qt::NoPen);
        p.setBrush(cols[k % 3]);
        p.drawRect(QRectF(-4, -2, 8, 4));
        p.restore();
    }
    const double beat = 1.0 + 0.12 * std::pow(std::abs(std::sin(2 * kPi * t * 2)), 3);
    p.save();
    p.translate(85, 86);
    p.scale(beat, beat);
    QPainterPath heart;
    heart.moveTo(0, 40);
    heart.cubicTo(-60, 0, -40, -50, 0, -22);
    heart.cubicTo(40, -50, 60, 0, 0, 40);
    QColor red = variant % 2 ? QColor(235, 50, 80) : QColor(245, 80, 140);
    QRadialGradient g(QPointF(-14, -16), 55);
    g.setColorAt(0, red.lighter(150));
    g.setColorAt(1, red);
    p.setPen(QPen(red.darker(150), 3));
    p.setBrush(g);
    p.drawPath(heart);
    drawSmile(p, QPointF(0, -4), 20, false, QColor(110, 10, 30));
    p.restore();
}

QByteArray praiseGif(int n)
{
    const int kind = (n - 1) % 6;
    const int variant = (n - 1) / 6;           // 0..4
    const Scheme &scheme = kSchemes[(n * 3 + kind) % 5];
    const int frames = 12 + 2 * (variant % 3);
    const int delay = 7 + variant;
    std::vector<GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        QImage img = blankFrame(kPraiseSize);
        QPainter p(&img);
        smooth(p);
        switch (kind) {
        case 0: praiseStar(p, f, frames, scheme, variant); break;
        case 1: praiseSun(p, f, frames, scheme, variant); break;
        case 2: praiseBalloons(p, f, frames, scheme, variant); break;
        case 3: praiseFireworks(p, f, frames, scheme, variant); break;
        case 4: praiseZero(p, f, frames, scheme, variant); break;
        default: praiseHeart(p, f, frames, scheme, variant); break;
        }
        p.end();
        out.push_back({img, delay});
    }
    return encodeGif(out);
}

// ---------------------------------------------------------------------------
// Number introduction: a card on which the numeral grows in, then the dots of
// a ten-frame fill one by one (slowly enough to count along), then the full
// card is held.

const QColor kNumberColours[11] = {
    QColor(205, 85, 140), QColor(230, 60, 60), QColor(240, 140, 30), QColor(220, 180, 0),
    QColor(80, 170, 60), QColor(40, 160, 200), QColor(60, 100, 220), QColor(140, 80, 210),
    QColor(210, 70, 170), QColor(170, 100, 50), QColor(0, 140, 130)};

QImage numberFrame(int value, double numeralScale, int dots, bool glow)
{
    QImage img = blankFrame(kNumberSize);
    QPainter p(&img);
    smooth(p);
    const QColor col = kNumberColours[value];
    p.setPen(QPen(col.darker(130), 3));
    p.setBrush(glow ? QColor(255, 250, 215) : QColor(255, 253, 240));
    p.drawRoundedRect(QRectF(2, 2, 126, 156), 14, 14);

    if (numeralScale > 0) {
        QFont font(u"DejaVu Sans"_s);
        font.setBold(true);
        font.setPixelSize(value >= 10 ? 70 : 84);
        p.save();
        p.translate(65, 58);
        p.scale(numeralScale, numeralScale);
        QPainterPath text;
        const QString digits = QString::number(value);
        QPainterPath measure;
        measure.addText(0, 0, font, digits);
        const QRectF r = measure.boundingRect();
        text.addText(-r.center().x(), -r.center().y(), font, digits);
        p.setPen(QPen(col.darker(160), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(col);
        p.drawPath(text);
        p.restore();
    }

    // Ten-frame: two rows of five slots, filled left to right, top row first.
    for (int k = 0; k < 10; ++k) {
        const QPointF c(21 + (k % 5) * 22, 118 + (k / 5) * 22);
        if (k < dots) {
            QRadialGradient g(c + QPointF(-3, -3), 10);
            g.setColorAt(0, col.lighter(160));
            g.setColorAt(1, col);
            p.setPen(QPen(col.darker(150), 1.5));
            p.setBrush(g);
            p.drawEllipse(c, 9, 9);
        } else {
            p.setPen(QPen(QColor(200, 195, 180), 1.5, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 8, 8);
        }
    }
    p.end();
    return img;
}

QByteArray numberGif(int value)
{
    std::vector<GifFrame> out;
    out.push_back({numberFrame(value, 0, 0, false), 30});
    for (double s : {0.35, 0.65, 1.15, 1.0})
        out.push_back({numberFrame(value, s, 0, false), 8});
    for (int d = 1; d <= value; ++d)
        out.push_back({numberFrame(value, 1.0, d, false), 45});
    out.push_back({numberFrame(value, 1.0, value, true), 50});
    out.push_back({numberFrame(value, 1.08, value, false), 25});
    out.push_back({numberFrame(value, 1.0, value, true), 150});
    return encodeGif(out);
}

class AnimationFamily final : public Family {
public:
    // Each make() paints its own images and encodes them on its own.
    bool threadSafe() const override { return true; }
    QString id() const override { return u"animations"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int n = 1; n <= 4; ++n)
            out.push_back({u"obr-pom\\nulinka"_s + QString::number(n) + u".GIF"_s,
                           [n] { return speakerGif(n); }});
        for (int n = 1; n <= 30; ++n)
            out.push_back({u"obr-pom\\nulák"_s + QString::number(n).rightJustified(2, u'0') + u".GIF"_s,
                           [n] { return praiseGif(n); }});
        for (int v = 0; v <= 10; ++v)
            out.push_back({u"obr-pom\\"_s + QString::number(v).rightJustified(2, u'0') + u".GIF"_s,
                           [v] { return numberGif(v); }});
        return out;
    }
};

} // namespace

std::unique_ptr<Family> makeAnimationFamily() { return std::make_unique<AnimationFamily>(); }

void paintMascot(QPainter &p, QPointF centre, double scale)
{
    // The first prompt speaker, cheering with both arms up.
    drawZero(p, centre, scale, kSpeakers[0], 0.6, false, 130, 130);
}

} // namespace mediagen
