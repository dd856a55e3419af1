// Pictures of the size row's quantities, the odd picture, the picture
// patterns and the empty windows of the rows.
#include "choice.h"
#include "choice_art.h"
#include "draw.h"
#include "shapes.h"

#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace mediagen::shapes {

namespace {

using choice::Look;
using choice::pad;

constexpr QSize kOddTile(132, 150);     // five in a row of 142-pixel cells
constexpr QSize kOddDisplay(170, 160);
constexpr QSize kPatternTile(176, 146);
constexpr QSize kPatternDisplay(108, 108); // a row of six boxes 115 apart
constexpr QSize kCountRowDisplay(170, 126); // four side by side in the upper panel

Look lookOf(int look)
{
    return look == 1 ? Look::Highlighted : look == 2 ? Look::Display : Look::Normal;
}

// 110's picture sets, easiest first (the level table counts them): 1..10
// the whole object in another colour, 11..26 turned upside down, 27..37
// facing the other way, 38..42 an ear missing, 43..67 one part recoloured.
constexpr int kOddObjects[67] = {
    48, 55, 24, 12, 26, 80, 29, 54, 30, 84,                                   // colour
    14, 17, 19, 22, 37, 38, 40, 45, 46, 47, 49, 52, 56, 58, 60, 65,           // upside down
    1, 2, 3, 10, 11, 20, 25, 27, 35, 36, 39,                                  // mirrored
    5, 6, 9, 8, 7,                                                            // an ear missing
    13, 15, 16, 18, 21, 23, 28, 31, 32, 33, 34, 41, 42, 44, 50, 53, 57, 59,   // one part
    61, 63, 66, 71, 72, 74, 77,
};

// The hue of every coloured pixel turned by degrees; grey pixels are
// tinted instead, so the change shows on any part. Only rows above
// rowLimit (a fraction of the height) change.
QImage recoloured(const QImage &src, int degrees, qreal rowLimit)
{
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    const int last = qRound(out.height() * rowLimit);
    for (int y = 0; y < qMin(last, out.height()); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0)
                continue;
            QColor c = QColor::fromRgb(line[x]);
            if (c.hsvSaturation() > 60)
                c.setHsv((c.hsvHue() + degrees) % 360, c.hsvSaturation(), c.value());
            else
                c = draw::mix(c, QColor(40, 110, 230), 0.55);
            line[x] = qRgba(c.red(), c.green(), c.blue(), a);
        }
    }
    return out;
}

QImage oddVariant(int set, const QImage &art)
{
    if (art.isNull())
        return art;
    if (set <= 10)
        return recoloured(art, 150, 1.0);
    if (set <= 26)
        return art.mirrored(true, true);
    if (set <= 37)
        return art.mirrored(true, false);
    if (set <= 42) {
        // The animal's right ear (top right of its head) is gone.
        QImage out = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(out.width() * 0.86, out.height() * 0.1), out.width() * 0.2, out.height() * 0.2);
        return out;
    }
    return recoloured(art, 120, 0.4);
}

QImage pictureOn(QSize size, Look look, const QImage &art, int margin)
{
    QRect content;
    QImage img = choice::card(size, look, &content);
    QPainter p(&img);
    choice::drawFitted(p, QRectF(content).adjusted(margin, margin, -margin, -margin), art);
    return img;
}

// 112's fifteen sets of six, the most different objects first.
constexpr int kPatternObjects[90] = {
    48, 52, 54, 55, 49, 50,         // ovoce
    1, 2, 31, 17, 12, 4,            // zvířátka
    78, 80, 82, 84, 96, 81,         // hračky
    146, 147, 148, 149, 151, 150,   // obloha
    102, 103, 108, 113, 115, 116,   // doprava
    60, 61, 62, 63, 65, 66,         // zelenina
    129, 130, 131, 132, 136, 137,   // oblečení
    29, 30, 32, 33, 34, 159,        // moře
    22, 23, 24, 25, 26, 27,         // broučci
    72, 73, 74, 75, 77, 160,        // sladkosti
    85, 86, 87, 88, 92, 93,         // hudba a škola
    153, 154, 155, 156, 157, 158,   // rostliny
    10, 11, 14, 20, 40, 41,         // statek
    121, 122, 123, 124, 141, 143,   // doma
    5, 6, 7, 8, 9, 36,              // divoká zvířata
};

// One to four objects of a kind on a tray, large enough to count at a
// glance even in the small look of the row.
QImage quantityPicture(int kind, int count, Look look)
{
    QRect content;
    QImage img = choice::card(look == Look::Display ? kCountRowDisplay : choice::kCountTile, look, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tray = QRectF(content).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(215, 200, 165), 2));
    p.setBrush(QColor(250, 244, 226));
    p.drawRoundedRect(tray, 12, 12);
    // Cells of a 2 x 2 grid; three objects stand two over one.
    static const QPointF cells[5][4] = {
        {}, {{0.5, 0.5}}, {{0.25, 0.5}, {0.75, 0.5}}, {{0.25, 0.27}, {0.75, 0.27}, {0.5, 0.73}},
        {{0.25, 0.27}, {0.75, 0.27}, {0.25, 0.73}, {0.75, 0.73}},
    };
    const QImage art = choice::sprite(choice::countKindGlyph(kind));
    const qreal item = qMin(tray.width() / 2, tray.height() / 2) * 0.86;
    const int n = qBound(1, count, 4);
    for (int i = 0; i < n; ++i) {
        const QPointF c(tray.left() + cells[n][i].x() * tray.width(), tray.top() + cells[n][i].y() * tray.height());
        choice::drawFitted(p, QRectF(c.x() - item / 2, c.y() - item / 2, item, item), art);
    }
    return img;
}

} // namespace

QImage window(QSize size)
{
    QImage img = draw::canvas(size.width(), size.height(), choice::upperPanelColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(0, 0, size.width(), size.height()).adjusted(4, 4, -4, -4);
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(40, 110, 200), 4, Qt::DashLine, Qt::RoundCap));
    p.drawRoundedRect(frame, 12, 12);
    draw::fitText(p, frame.toRect(), u"?"_s, QColor(40, 110, 200), qMin(size.width(), size.height()) * 2 / 3);
    return img;
}

QImage oddPicture(int set, int variant, int look)
{
    const int k = qBound(1, set, 67);
    const QImage art = choice::sprite(choice::objectGlyph(kOddObjects[k - 1]));
    const Look l = lookOf(look);
    return pictureOn(l == Look::Display ? kOddDisplay : kOddTile, l, variant == 2 ? oddVariant(k, art) : art, 4);
}

QImage patternPicture(int n, int look)
{
    const QImage art = choice::sprite(choice::objectGlyph(kPatternObjects[qBound(1, n, 90) - 1]));
    const Look l = lookOf(look);
    return pictureOn(l == Look::Display ? kPatternDisplay : kPatternTile, l, art, l == Look::Display ? 2 : 6);
}

namespace {

QString lookName(const QString &stem, int look)
{
    return stem + (look == 0 ? u"n.Jpg"_s : look == 1 ? u"k.Jpg"_s : u"d.jpg"_s);
}

class RowPictureFamily final : public Family {
public:
    QString id() const override { return u"rows"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int look = 0; look <= 2; ++look) {
            for (int k = 1; k <= 67; ++k)
                for (int v = 1; v <= 2; ++v)
                    out.push_back({lookName(u"obr\\110\\obr"_s + pad(k, 2) + u'_' + QString::number(v), look),
                                   [=] { return draw::jpeg(oddPicture(k, v, look)); }});
            for (int n = 1; n <= 90; ++n)
                out.push_back({lookName(u"obr\\112\\obr"_s + pad(n, 2), look),
                               [=] { return draw::jpeg(patternPicture(n, look)); }});
            // The size row's quantities: one to four of a kind.
            for (int k = 1; k <= choice::kCountKinds; ++k)
                for (int v = 1; v <= 4; ++v)
                    out.push_back({lookName(u"obr\\108\\pocet\\obr"_s + pad(k, 2) + u'_' + QString::number(v), look),
                                   [=] { return draw::jpeg(quantityPicture(k, v, lookOf(look))); }});
        }
        // The windows: a picture's, a one-digit, a two-digit and a
        // three-digit number's.
        out.push_back({u"obr\\okno2.jpg"_s, [] { return draw::jpeg(window(QSize(108, 110))); }});
        out.push_back({u"obr\\okno6.jpg"_s, [] { return draw::jpeg(window(QSize(choice::numberDisplayWidth(1), 160))); }});
        out.push_back({u"obr\\okno.jpg"_s, [] { return draw::jpeg(window(QSize(choice::numberDisplayWidth(2), 160))); }});
        out.push_back({u"obr\\okno100.jpg"_s, [] { return draw::jpeg(window(QSize(135, 160))); }});   // fits the narrowest gap of an equation
        return out;
    }
};

} // namespace

} // namespace mediagen::shapes

namespace mediagen {

std::unique_ptr<Family> makeRowPictureFamily() { return std::make_unique<shapes::RowPictureFamily>(); }

} // namespace mediagen
