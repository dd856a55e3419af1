// Shape pictures and the spoken tasks of the shape exercises and the size
// row.
#include "shapes.h"
#include "choice_art.h"
#include "draw.h"
#include "speech.h"

#include <QPainterPath>
#include <cmath>

using namespace Qt::StringLiterals;

namespace mediagen::shapes {

namespace {

using choice::pad;

constexpr int kShapes = 8;
constexpr int kSizes = 6;
constexpr int kColours = 6;
constexpr QSize kShapeTile(184, 146);   // two rows fit the tile panel with their jitter
constexpr QSize kShapeDisplay(150, 146);

enum class Gender { Masculine, Feminine, Neuter };

struct ShapeName {
    const char *accusative;
    Gender gender;
};

// Shapes 1..3 are the ones of the easier level.
const ShapeName kShapeNames[kShapes] = {
    {"kolo", Gender::Neuter},        {"čtverec", Gender::Masculine}, {"trojúhelník", Gender::Masculine},
    {"hvězdu", Gender::Feminine},    {"srdce", Gender::Neuter},      {"obdélník", Gender::Masculine},
    {"kříž", Gender::Masculine},     {"měsíc", Gender::Masculine},
};

// Hard adjective stems: the accusative ending follows the noun's gender.
const char *const kColourStems[kColours] = {"červen", "modr", "zelen", "žlut", "oranžov", "fialov"};

QColor shapeColour(int c)
{
    static const QColor colours[kColours] = {
        QColor(226, 32, 38),  QColor(30, 90, 220),  QColor(30, 160, 60),
        QColor(250, 210, 20), QColor(255, 135, 15), QColor(145, 60, 200),
    };
    return colours[qBound(1, c, kColours) - 1];
}

QString adjective(const char *stem, Gender g)
{
    const QString s = QString::fromUtf8(stem);
    switch (g) {
    case Gender::Masculine: return s + u'ý';
    case Gender::Feminine: return s + u"ou"_s;
    case Gender::Neuter: return s + u'é';
    }
    return s;
}

// Shape s fitting a square of side e centred at the origin; every shape
// spans the full side in its longer direction, so sizes compare fairly.
QPainterPath shapePath(int s, qreal e)
{
    const qreal h = e / 2;
    QPainterPath path;
    switch (s) {
    case 1: path.addEllipse(QPointF(0, 0), h, h); break;
    case 2: path.addRect(QRectF(-h * 0.9, -h * 0.9, e * 0.9, e * 0.9)); break;
    case 3:
        path.moveTo(0, -h);
        path.lineTo(h, h * 0.75);
        path.lineTo(-h, h * 0.75);
        path.closeSubpath();
        break;
    case 4: path = draw::starPath(QPointF(0, h * 0.06), h, h * 0.45); break;
    case 5:
        path.moveTo(0, h * 0.9);
        path.cubicTo(-h * 0.9, h * 0.25, -h * 1.05, -h * 0.35, -h * 0.8, -h * 0.7);
        path.cubicTo(-h * 0.5, -h * 1.05, -h * 0.05, -h * 0.85, 0, -h * 0.45);
        path.cubicTo(h * 0.05, -h * 0.85, h * 0.5, -h * 1.05, h * 0.8, -h * 0.7);
        path.cubicTo(h * 1.05, -h * 0.35, h * 0.9, h * 0.25, 0, h * 0.9);
        path.closeSubpath();
        break;
    case 6: path.addRect(QRectF(-h, -h * 0.5, e, h)); break;
    case 7: {
        const qreal a = h * 0.34;
        QPainterPath v, w;
        v.addRect(QRectF(-a, -h, 2 * a, e));
        w.addRect(QRectF(-h, -a, e, 2 * a));
        path = v.united(w);
        break;
    }
    default: {
        QPainterPath full, cut;
        full.addEllipse(QPointF(0, 0), h, h);
        cut.addEllipse(QPointF(h * 0.55, -h * 0.2), h * 0.85, h * 0.85);
        path = full.subtracted(cut);
        break;
    }
    }
    return path;
}

// The side of size z: each size about a third larger than the one before,
// so even neighbours differ at a glance.
qreal shapeExtent(int z, bool display)
{
    static const qreal extents[kSizes] = {28, 40, 56, 76, 98, 124};
    return extents[qBound(1, z, kSizes) - 1] * (display ? 0.86 : 1.0);
}

} // namespace

QImage shapePicture(int shape, int size, int colour, bool display, bool highlighted)
{
    const choice::Look look = display ? choice::Look::Display
                                      : highlighted ? choice::Look::Highlighted : choice::Look::Normal;
    QRect content;
    QImage img = choice::card(display ? kShapeDisplay : kShapeTile, look, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(QRectF(content).center());
    const QColor fill = shapeColour(colour);
    p.setPen(QPen(fill.darker(160), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shapePath(shape, shapeExtent(size, display)));
    return img;
}

QString shapeTask(int shape, int sizeFlag, int colour)
{
    const ShapeName &n = kShapeNames[qBound(1, shape, kShapes) - 1];
    QString words = u"Najdi"_s;
    if (sizeFlag == 1 || sizeFlag == 2)
        words += u' ' + adjective(sizeFlag == 2 ? "mal" : "velk", n.gender);
    if (colour >= 1 && colour <= kColours)
        words += u' ' + adjective(kColourStems[colour - 1], n.gender);
    return words + u' ' + QString::fromUtf8(n.accusative) + u'.';
}

std::vector<SpokenText> spokenTasks()
{
    std::vector<SpokenText> out;
    const auto name = [](int task, const QString &tail) {
        return u"Zvuky\\"_s + QString::number(task) + u"\\zv"_s + tail + u".wav"_s;
    };
    for (int s = 1; s <= kShapes; ++s) {
        out.push_back({name(103, pad(s, 2)), shapeTask(s, 0, 0)});
        for (int m = 1; m <= 2; ++m)
            out.push_back({name(105, pad(s, 2) + u'_' + pad(m, 2)), shapeTask(s, m, 0)});
        for (int c = 1; c <= kColours; ++c) {
            out.push_back({name(104, pad(s, 2) + u'_' + pad(c, 2)), shapeTask(s, 0, c)});
            for (int m = 1; m <= 2; ++m)
                out.push_back({name(106, pad(s, 2) + u'_' + pad(m, 2) + u'_' + pad(c, 2)), shapeTask(s, m, c)});
        }
    }
    // The size row: sizes in subtask 1 (3 smallest first), quantities in
    // subtask 2 (1 fewest first); two wordings each.
    const QString sizes[2][2] = {
        {u"Klikej na obrázky od nejmenšího po největší."_s, u"Seřaď obrázky od nejmenšího."_s},
        {u"Klikej na obrázky od největšího po nejmenší."_s, u"Seřaď obrázky od největšího."_s},
    };
    const QString amounts[2][2] = {
        {u"Klikej na obrázky od toho, kde je nejméně věcí, po ten, kde je jich nejvíc."_s,
         u"Seřaď obrázky od nejmenšího počtu."_s},
        {u"Klikej na obrázky od toho, kde je nejvíc věcí, po ten, kde je jich nejméně."_s,
         u"Seřaď obrázky od největšího počtu."_s},
    };
    for (int r = 1; r <= 2; ++r) {
        out.push_back({name(109, u"3_1-"_s + QString::number(r)), sizes[0][r - 1]});
        out.push_back({name(109, u"1_1-"_s + QString::number(r)), sizes[1][r - 1]});
        out.push_back({name(109, u"1_2-"_s + QString::number(r)), amounts[0][r - 1]});
        out.push_back({name(109, u"3_2-"_s + QString::number(r)), amounts[1][r - 1]});
    }
    return out;
}

namespace {

class ShapePictureFamily final : public Family {
public:
    QString id() const override { return u"shapes"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int s = 1; s <= kShapes; ++s)
            for (int z = 1; z <= kSizes; ++z)
                for (int c = 1; c <= kColours; ++c) {
                    const QString stem = u"obr\\103\\tv"_s + pad(s, 2) + u'_' + pad(z, 2) + u'_' + pad(c, 2);
                    out.push_back({stem + u"n.Jpg"_s, [=] { return draw::jpeg(shapePicture(s, z, c, false, false)); }});
                    out.push_back({stem + u"k.Jpg"_s, [=] { return draw::jpeg(shapePicture(s, z, c, false, true)); }});
                    out.push_back({stem + u"d.jpg"_s, [=] { return draw::jpeg(shapePicture(s, z, c, true, false)); }});
                }
        return out;
    }
};

class ShapeSpeechFamily final : public Family {
public:
    QString id() const override { return u"shapes-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : spokenTasks())
            out.push_back(spokenFile(t.name, t.text));
        return out;
    }
};

} // namespace

} // namespace mediagen::shapes

namespace mediagen {

std::unique_ptr<Family> makeShapePictureFamily() { return std::make_unique<shapes::ShapePictureFamily>(); }
std::unique_ptr<Family> makeShapeSpeechFamily() { return std::make_unique<shapes::ShapeSpeechFamily>(); }

} // namespace mediagen
