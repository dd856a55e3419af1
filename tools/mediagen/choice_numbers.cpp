// The shared number and sign pictures of "obr\201\": large, small and red
// numerals 0..100 on cards, the relation and operation signs, and the empty
// strips the upper panel paints over old pictures with.
#include "choice.h"
#include "choice_art.h"
#include "draw.h"

#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace mediagen::choice {

namespace {

// Numbers of the exercises go up to 100.
constexpr int kHighestNumber = 100;

QSize numberSize(NumberStyle style, int n, Look look)
{
    const int digits = QString::number(n).size();
    if (style == NumberStyle::Small)
        return look == Look::Display ? QSize(smallNumberDisplayWidth(digits), kSmallNumberDisplayHeight)
                                     : kSmallNumberTile;
    return look == Look::Display ? QSize(numberDisplayWidth(digits), kNumberDisplayHeight) : kNumberTile;
}

enum class Sign { Less, Greater, Equal, NotEqual, Plus, Minus };

QImage signPicture(Sign sign)
{
    QImage img = draw::canvas(kSign.width(), kSign.height(), upperPanelColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 150), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal cx = kSign.width() / 2.0, cy = kSign.height() / 2.0, half = 19;
    switch (sign) {
    case Sign::Less:
        p.drawPolyline(QPolygonF({{cx + half, cy - 24}, {cx - half, cy}, {cx + half, cy + 24}}));
        break;
    case Sign::Greater:
        p.drawPolyline(QPolygonF({{cx - half, cy - 24}, {cx + half, cy}, {cx - half, cy + 24}}));
        break;
    case Sign::Equal:
    case Sign::NotEqual:
        p.drawLine(QPointF(cx - half, cy - 10), QPointF(cx + half, cy - 10));
        p.drawLine(QPointF(cx - half, cy + 10), QPointF(cx + half, cy + 10));
        if (sign == Sign::NotEqual) {
            p.setPen(QPen(QColor(200, 40, 40), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx + 10, cy - 26), QPointF(cx - 10, cy + 26));
        }
        break;
    case Sign::Plus:
        p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
        p.drawLine(QPointF(cx, cy - half), QPointF(cx, cy + half));
        break;
    case Sign::Minus:
        p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
        break;
    }
    return img;
}

} // namespace

QImage numberPicture(NumberStyle style, int n, Look look)
{
    QRect content;
    QImage img = card(numberSize(style, n, look), look, &content);
    content.adjust(-3, 0, 3, 0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Outlines from the font file: the same pixels on every thread.
    // The narrower cut keeps numbers large on narrow cards: two and three
    // digits, and everything on the narrow "d" cards of a number row.
    QPainterPath path = draw::textOutline(QString::number(n), 200, n >= 10 || look == Look::Display);
    const QRectF box = path.boundingRect();
    // Every numeral of a style has the same height; wide numbers shrink to
    // the card's width.
    const qreal wantHeight = content.height() * (style == NumberStyle::Small ? 0.70 : 0.74);
    const qreal scale = qMin(wantHeight / box.height(), content.width() * 0.94 / box.width());
    QTransform t;
    t.translate(QRectF(content).center().x() - box.center().x() * scale,
                QRectF(content).center().y() - box.center().y() * scale);
    t.scale(scale, scale);
    path = t.map(path);
    const QColor ink = style == NumberStyle::Red ? QColor(215, 35, 35) : QColor(30, 75, 185);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.lighter(170));
    p.drawPath(path.translated(2, 2));
    p.setBrush(ink);
    p.drawPath(path);
    return img;
}

void addNumberPictures(std::vector<MediaFile> &out)
{
    const struct {
        NumberStyle style;
        const char16_t *stem;
    } styles[] = {
        {NumberStyle::Large, u"obr\\201\\cisl"},
        {NumberStyle::Small, u"obr\\201\\male\\cisl"},
        {NumberStyle::Red, u"obr\\201\\cervene\\cisl"},
    };
    for (const auto &s : styles)
        for (int n = 0; n <= kHighestNumber; ++n)
            for (Look look : {Look::Normal, Look::Highlighted, Look::Display}) {
                const QString name = QString::fromUtf16(s.stem) + pad(n, 3) + QLatin1String(lookLetter(look))
                    + (look == Look::Display ? u".jpg"_s : u".Jpg"_s);
                const NumberStyle style = s.style;
                out.push_back({name, [=] { return draw::jpeg(numberPicture(style, n, look)); }});
            }
    const struct {
        const char16_t *name;
        Sign sign;
    } signs[] = {
        {u"obr\\201\\mensi.Jpg", Sign::Less},     {u"obr\\201\\vetsi.Jpg", Sign::Greater},
        {u"obr\\201\\rovnase.Jpg", Sign::Equal},  {u"obr\\201\\nerovna.Jpg", Sign::NotEqual},
        {u"obr\\201\\plus.jpg", Sign::Plus},      {u"obr\\201\\minus.jpg", Sign::Minus},
        {u"obr\\rovnase.Jpg", Sign::Equal},
    };
    for (const auto &s : signs) {
        const Sign sign = s.sign;
        out.push_back({QString::fromUtf16(s.name), [=] { return draw::jpeg(signPicture(sign)); }});
    }
    // Painted over an old answer or number: the bare upper panel.
    out.push_back({u"obr\\prazdny6.jpg"_s, [] {
                       return draw::jpeg(draw::canvas(kPatternBox.width(), kPatternBox.height(), upperPanelColour()));
                   }});
}

} // namespace mediagen::choice
