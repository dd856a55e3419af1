// Media of the equations with gaps and signs, the long equations, the
// add-or-take counter and the number riddle: the small and red signs, the
// plus / minus / check tiles, the riddle's cards with their back, its
// background and thinking figure, and the riddle's spoken parts. The empty
// gaps are the row windows of rows_media.cpp.
#include "choice_art.h"
#include "draw.h"
#include "family.h"
#include "gif.h"
#include "prompts.h"
#include "speech.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace mediagen {

namespace {

using choice::Look;

// Tiles of 310 (cells 250 x 172) and 301 (cells 240 x 330) share the sign pictures.
constexpr QSize kSignTile(210, 160);
constexpr QSize kSignDisplay(80, 160);      // a sign that fills the sign gap
constexpr QSize kSmallSign(44, 110);        // beside the small numbers of a long equation
constexpr QSize kCard(112, 112);            // the riddle's cards, cells 120 x 120
constexpr QSize kThinkingSize(107, 90);     // PanelSamana1
constexpr QColor kBlueInk(40, 60, 150);

enum class Mark { Plus, Minus, Equal, Less, Greater, Check };

// One sign stroked with round ends, centred in rect; size: half the sign's width.
void drawMark(QPainter &p, const QRectF &rect, Mark mark, QColor ink, qreal size, qreal pen)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = rect.center();
    const qreal h = size;
    switch (mark) {
    case Mark::Plus:
        p.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - h), QPointF(c.x(), c.y() + h));
        break;
    case Mark::Minus:
        p.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        break;
    case Mark::Equal:
        p.drawLine(QPointF(c.x() - h, c.y() - h * 0.5), QPointF(c.x() + h, c.y() - h * 0.5));
        p.drawLine(QPointF(c.x() - h, c.y() + h * 0.5), QPointF(c.x() + h, c.y() + h * 0.5));
        break;
    case Mark::Less:
        p.drawPolyline(QPolygonF({{c.x() + h, c.y() - h * 1.25}, {c.x() - h, c.y()}, {c.x() + h, c.y() + h * 1.25}}));
        break;
    case Mark::Greater:
        p.drawPolyline(QPolygonF({{c.x() - h, c.y() - h * 1.25}, {c.x() + h, c.y()}, {c.x() - h, c.y() + h * 1.25}}));
        break;
    case Mark::Check:
        p.drawPolyline(QPolygonF({{c.x() - h, c.y()}, {c.x() - h * 0.3, c.y() + h * 0.75}, {c.x() + h, c.y() - h * 0.9}}));
        break;
    }
    p.restore();
}

// A sign alone on the upper panel's colour.
QImage signOnPanel(QSize size, Mark mark, QColor ink, qreal half, qreal pen)
{
    QImage img = draw::canvas(size.width(), size.height(), choice::upperPanelColour());
    QPainter p(&img);
    drawMark(p, img.rect(), mark, ink, half, pen);
    return img;
}

// Tile 1 plus, 2 minus, 3 check: a big button with its sign.
QImage signTile(int which, Look look)
{
    const QSize size = look == Look::Display ? kSignDisplay : kSignTile;
    if (look == Look::Display)
        return signOnPanel(size, which == 1 ? Mark::Plus : which == 2 ? Mark::Minus : Mark::Check, kBlueInk, 22, 10);
    QRect content;
    const QColor face = which == 3 ? QColor(222, 245, 222) : QColor();
    QImage img = choice::card(size, look, &content, face);
    QPainter p(&img);
    const QColor ink = which == 3 ? QColor(30, 150, 60) : kBlueInk;
    drawMark(p, content, which == 1 ? Mark::Plus : which == 2 ? Mark::Minus : Mark::Check, ink, 42, 18);
    return img;
}

// The riddle's card with a number of dots and the numeral.
QImage riddleCard(int n, Look look)
{
    QRect content;
    QImage img = choice::card(kCard, look, &content, look == Look::Highlighted ? QColor(255, 240, 200) : QColor(255, 255, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path = draw::textOutline(QString::number(n), 200, n >= 10);
    const QRectF box = path.boundingRect();
    const qreal scale = qMin(content.height() * 0.72 / box.height(), content.width() * 0.85 / box.width());
    QTransform t;
    t.translate(QRectF(content).center().x() - box.center().x() * scale,
                QRectF(content).center().y() - box.center().y() * scale);
    t.scale(scale, scale);
    path = t.map(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 40).lighter(160));
    p.drawPath(path.translated(2, 2));
    p.setBrush(QColor(200, 60, 40));
    p.drawPath(path);
    return img;
}

// The back of a card: a blue pattern with a question mark.
QImage cardBack()
{
    QImage img = draw::canvas(kCard.width(), kCard.height(), choice::tileAreaColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(img.rect()).adjusted(4, 4, -4, -4);
    p.setPen(QPen(QColor(255, 255, 255), 3));
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(70, 110, 200));
    g.setColorAt(1, QColor(40, 60, 140));
    p.setBrush(g);
    p.drawRoundedRect(body, 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    for (int i = -6; i <= 6; ++i)
        p.drawLine(QPointF(body.left() + i * 16, body.bottom()), QPointF(body.left() + i * 16 + body.height(), body.top()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 0));
    const QPainterPath q = draw::textOutline(u"?"_s, 64);
    p.drawPath(q.translated(body.center() - q.boundingRect().center()));
    return img;
}

// The riddle's screen: a sky above a table on which the cards lie.
QImage riddleBackground()
{
    QImage img = draw::canvas(800, 600, QColor(200, 225, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(p, QRectF(0, 0, 800, 400), QColor(170, 210, 250), QColor(225, 240, 255));
    p.fillRect(QRectF(0, 400, 800, 200), choice::tileAreaColour());
    p.fillRect(QRectF(0, 396, 800, 6), QColor(150, 152, 170));
    // The thinking figure sits in its yellow panel at (337, 193); a thought
    // cloud above it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const QRectF &r : {QRectF(300, 60, 200, 90), QRectF(350, 40, 120, 60), QRectF(280, 90, 80, 50),
                            QRectF(440, 90, 80, 50)})
        p.drawEllipse(r);
    p.drawEllipse(QRectF(380, 160, 22, 16));
    p.drawEllipse(QRectF(395, 180, 12, 9));
    p.setBrush(QColor(90, 100, 160));
    const QPainterPath q = draw::textOutline(u"? + ? = ?"_s, 34);
    p.drawPath(q.translated(QPointF(400, 100) - q.boundingRect().center()));
    return img;
}

// A round face in the panel, its eyes looking up and round, a hand at its
// chin and thought dots rising: it is thinking.
QByteArray thinkingGif()
{
    std::vector<GifFrame> frames;
    constexpr int kFrames = 12;
    for (int f = 0; f < kFrames; ++f) {
        QImage img = draw::canvas(kThinkingSize.width(), kThinkingSize.height(), QColor(255, 215, 0));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal t = 2 * std::numbers::pi * f / kFrames;
        const QPointF c(44, 50);
        p.setPen(QPen(QColor(120, 70, 20), 2.5));
        p.setBrush(QColor(255, 224, 189));
        p.drawEllipse(c, 30, 32);
        // Eyes looking around, up and to the right.
        const QPointF look(4 * std::cos(t), -3 - 2 * std::sin(t));
        for (qreal ex : {-11.0, 11.0}) {
            p.setBrush(Qt::white);
            p.setPen(QPen(QColor(80, 60, 40), 1.5));
            p.drawEllipse(c + QPointF(ex, -6), 7, 8);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 40, 60));
            p.drawEllipse(c + QPointF(ex, -6) + look, 3.2, 3.2);
        }
        // A pressed, thoughtful mouth.
        p.setPen(QPen(QColor(150, 60, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(c + QPointF(-6, 16), c + QPointF(6, 14));
        // The hand at the chin, tapping.
        const qreal tap = 2 * std::sin(2 * t);
        p.setPen(QPen(QColor(120, 70, 20), 2));
        p.setBrush(QColor(255, 214, 170));
        p.drawEllipse(c + QPointF(12, 30 + tap), 10, 8);
        // Thought dots rising one by one.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        const int shown = f / 3;   // 0..3
        const QPointF dots[] = {{78, 30}, {88, 18}, {97, 8}};
        for (int i = 0; i < std::min(shown, 3); ++i)
            p.drawEllipse(dots[i], 3 + i * 1.5, 3 + i * 1.5);
        frames.push_back({img, 12});
    }
    return encodeGif(frames);
}

const QString kNumberAccusative[] = {
    u"nulu"_s, u"jedničku"_s, u"dva"_s, u"tři"_s, u"čtyři"_s, u"pět"_s,
    u"šest"_s, u"sedm"_s, u"osm"_s, u"devět"_s, u"deset"_s,
};
const QString kNumberWords[] = {
    u"nula"_s, u"jedna"_s, u"dva"_s, u"tři"_s, u"čtyři"_s, u"pět"_s,
    u"šest"_s, u"sedm"_s, u"osm"_s, u"devět"_s, u"deset"_s,
};

QString riddleSound(const QString &tail)
{
    return u"Zvuky\\405\\zv"_s + tail + u".wav"_s;
}

// The riddle's spoken parts: "zv" + BB + "_1" + op (the first step), "zv" +
// CC + "_2" + op (the second step), "zv" + DD + "_31" (what comes out);
// op 1 adds, 0 takes away.
std::vector<SpokenText> riddleParts()
{
    std::vector<SpokenText> out;
    for (int v = 1; v <= 10; ++v) {
        const QString n = choice::pad(v, 2);
        out.push_back({riddleSound(n + u"_11"_s), u"Přičtu k němu "_s + kNumberAccusative[v] + u'.'});
        out.push_back({riddleSound(n + u"_10"_s), u"Odečtu od něj "_s + kNumberAccusative[v] + u'.'});
        out.push_back({riddleSound(n + u"_21"_s), u"Potom ještě přičtu "_s + kNumberAccusative[v] + u'.'});
        out.push_back({riddleSound(n + u"_20"_s), u"Potom ještě odečtu "_s + kNumberAccusative[v] + u'.'});
        out.push_back({riddleSound(n + u"_31"_s), u"A vyjde mi "_s + kNumberWords[v] + u". Které číslo si myslím?"_s});
    }
    return out;
}

class GapEquationPictureFamily final : public Family {
public:
    QString id() const override { return u"gap-equations"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        const auto add = [&out](const QString &name, std::function<QImage()> paint) {
            out.push_back({name, [paint] { return draw::jpeg(paint()); }});
        };
        // Signs beside the small numbers of a long equation; the red relation
        // signs come with the equation pictures (equations.cpp).
        add(u"obr\\201\\plus2.jpg"_s, [] { return signOnPanel(kSmallSign, Mark::Plus, kBlueInk, 14, 7); });
        add(u"obr\\201\\minus2.jpg"_s, [] { return signOnPanel(kSmallSign, Mark::Minus, kBlueInk, 14, 7); });
        add(u"obr\\201\\rovnase2.jpg"_s, [] { return signOnPanel(kSmallSign, Mark::Equal, kBlueInk, 14, 7); });
        // Plus, minus and check tiles.
        for (int which = 1; which <= 3; ++which)
            for (Look look : {Look::Normal, Look::Highlighted, Look::Display})
                add(u"obr\\301\\znam"_s + choice::pad(which, 2) + QLatin1String(choice::lookLetter(look))
                        + (look == Look::Display ? u".jpg"_s : u".Jpg"_s),
                    [which, look] { return signTile(which, look); });
        // The riddle.
        for (int n = 1; n <= 10; ++n)
            for (Look look : {Look::Normal, Look::Highlighted})
                add(u"obr\\405\\karta"_s + choice::pad(n, 2) + QLatin1String(choice::lookLetter(look)) + u".Jpg"_s,
                    [n, look] { return riddleCard(n, look); });
        add(u"obr\\405\\Karta-otocena.Jpg"_s, cardBack);
        add(u"Obr\\405\\bgr.jpg"_s, riddleBackground);
        out.push_back({u"obr\\405\\mysli.GIF"_s, thinkingGif});
        return out;
    }
};

class GapEquationSpeechFamily final : public Family {
public:
    QString id() const override { return u"gap-equations-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : riddleParts())
            out.push_back(spokenFile(t.name, t.text));
        return out;
    }
};

} // namespace

std::unique_ptr<Family> makeGapEquationPictureFamily() { return std::make_unique<GapEquationPictureFamily>(); }
std::unique_ptr<Family> makeGapEquationSpeechFamily() { return std::make_unique<GapEquationSpeechFamily>(); }

} // namespace mediagen
