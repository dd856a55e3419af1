// Media of the picture hunt (409): five sets of friendly figures that
// differ in clearly visible properties (a hat and its colour, glasses, the
// shirt's colour, what the figure holds, hair, a beard, a bow), the
// "Vyroky.INI" that lists each figure's property codes slot by slot, the
// spoken clues and the opening prompts. Figure o of a set takes the values
// of its properties from the bits of o - 1, so every figure of a set differs
// from every other in at least one named property.
#include "draw.h"
#include "games.h"
#include "speech.h"

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

constexpr int kSide = 126;

// Property kinds; a code is 10 * kind + value (1 or 2).
enum Kind { Hat = 1, Glasses, RedBlueShirt, BallOrNothing, Hair, GreenYellowShirt, FlowerOrBalloon, HatColour, Bow, Beard };

const std::vector<int> &kindsOf(int set)
{
    static const std::vector<int> kSets[5] = {
        {Hat, Glasses, RedBlueShirt, BallOrNothing, Hair},
        {HatColour, Glasses, GreenYellowShirt, FlowerOrBalloon, Hair},
        {Hat, Beard, RedBlueShirt, FlowerOrBalloon, Glasses},
        {HatColour, Bow, GreenYellowShirt, BallOrNothing, Beard},
        {Hat, Glasses, RedBlueShirt, BallOrNothing, Hair, Beard},
    };
    return kSets[std::clamp(set, 1, 5) - 1];
}

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

// What a figure looks like, from its codes.
struct Look {
    QColor hat;              // invalid: no hat
    bool glasses = false;
    QColor shirt = QColor(150, 90, 190);
    const char *holds = nullptr;
    QColor hair = QColor(120, 70, 30);
    bool bow = false;
    bool beard = false;
};

Look lookOf(const std::vector<int> &codes)
{
    Look l;
    for (int code : codes) {
        const bool first = code % 10 == 1;
        switch (code / 10) {
        case Hat: l.hat = first ? QColor(130, 85, 40) : QColor(); break;
        case Glasses: l.glasses = first; break;
        case RedBlueShirt: l.shirt = first ? QColor(225, 40, 40) : QColor(40, 100, 225); break;
        case BallOrNothing: l.holds = first ? "⚽" : nullptr; break;
        case Hair: l.hair = first ? QColor(60, 35, 20) : QColor(250, 215, 90); break;
        case GreenYellowShirt: l.shirt = first ? QColor(50, 170, 60) : QColor(250, 215, 30); break;
        case FlowerOrBalloon: l.holds = first ? "🌷" : "🎈"; break;
        case HatColour: l.hat = first ? QColor(225, 40, 40) : QColor(40, 100, 225); break;
        case Bow: l.bow = first; break;
        case Beard: l.beard = first; break;
        }
    }
    return l;
}

QImage figure(int set, int picture, int look, char state)
{
    const Look l = lookOf(huntFigureCodes(set, picture));
    QImage img = draw::canvas(kSide, kSide, QColor(250, 246, 232));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 190, 160), 2));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(QRectF(2, 2, kSide - 4, kSide - 4), 12, 12);
    const QPointF head(58, 50);
    const qreal r = 20;
    // Body and arms.
    p.setPen(QPen(l.shirt.darker(150), 2));
    p.setBrush(l.shirt);
    QPainterPath body;
    body.moveTo(34, 118);
    body.lineTo(38, 80);
    body.quadTo(58, 70, 78, 80);
    body.lineTo(82, 118);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(l.shirt.darker(120), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 84), QPointF(26, 104));
    p.drawLine(QPointF(76, 84), QPointF(92, 98));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 205, 170));
    p.drawEllipse(QPointF(25, 106), 5, 5);
    p.drawEllipse(QPointF(94, 98), 5, 5);
    // Hair behind and around the face, the face.
    p.setBrush(l.hair);
    p.drawEllipse(head + QPointF(0, -3), r + 4, r + 3);
    p.setBrush(QColor(250, 210, 175));
    p.setPen(QPen(QColor(200, 150, 120), 1));
    p.drawEllipse(head + QPointF(0, 3), r - 2, r - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(l.hair);
    QPainterPath fringe;
    fringe.moveTo(head + QPointF(-r + 1, -2));
    fringe.quadTo(head + QPointF(0, -r - 12), head + QPointF(r - 1, -2));
    fringe.quadTo(head + QPointF(0, -r + 4), head + QPointF(-r + 1, -2));
    p.drawPath(fringe);
    // Eyes, smile.
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(head + QPointF(-7, 2), 2.4, 2.6);
    p.drawEllipse(head + QPointF(7, 2), 2.4, 2.6);
    p.setPen(QPen(QColor(170, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (l.beard) {
        // A full beard along the jaw from ear to ear, the smile above it.
        p.setPen(QPen(QColor(80, 45, 20), 1));
        p.setBrush(QColor(110, 60, 25));
        QPainterPath beard;
        beard.moveTo(head + QPointF(-r + 1, -1));
        beard.cubicTo(head + QPointF(-r + 2, 30), head + QPointF(r - 2, 30), head + QPointF(r - 1, -1));
        beard.cubicTo(head + QPointF(r - 6, 14), head + QPointF(-r + 6, 14), head + QPointF(-r + 1, -1));
        p.drawPath(beard);
        p.setPen(QPen(QColor(250, 210, 175), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head + QPointF(-5, 6), QSizeF(10, 6)), 200 * 16, 140 * 16);
    } else {
        p.drawArc(QRectF(head + QPointF(-7, 4), QSizeF(14, 9)), 200 * 16, 140 * 16);
    }
    if (l.glasses) {
        p.setPen(QPen(QColor(20, 20, 30), 2.2));
        p.setBrush(QColor(200, 230, 255, 90));
        p.drawEllipse(head + QPointF(-7.5, 2), 6.5, 6);
        p.drawEllipse(head + QPointF(7.5, 2), 6.5, 6);
        p.drawLine(head + QPointF(-1, 1), head + QPointF(1, 1));
    }
    if (l.hat.isValid()) {
        p.setPen(QPen(l.hat.darker(150), 1.5));
        p.setBrush(l.hat);
        p.drawRoundedRect(QRectF(head.x() - r - 8, head.y() - r + 2, 2 * r + 16, 7), 3, 3);
        p.drawRoundedRect(QRectF(head.x() - r + 4, head.y() - r - 16, 2 * r - 8, 20), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 30));
        p.drawRect(QRectF(head.x() - r + 4, head.y() - r - 2, 2 * r - 8, 4));
    }
    if (l.bow) {
        p.setPen(QPen(QColor(120, 0, 60), 1));
        p.setBrush(QColor(230, 30, 120));
        QPolygonF left({QPointF(58, 76), QPointF(46, 70), QPointF(46, 82)});
        QPolygonF right({QPointF(58, 76), QPointF(70, 70), QPointF(70, 82)});
        p.drawPolygon(left);
        p.drawPolygon(right);
        p.drawEllipse(QPointF(58, 76), 3, 3);
    }
    if (l.holds) {
        const QString glyph = QString::fromUtf8(l.holds);
        if (glyph == u"🎈"_s) {
            p.setPen(QPen(QColor(90, 90, 90), 1.2));
            p.drawLine(QPointF(95, 96), QPointF(100, 46));
            draw::emoji(p, QRectF(84, 16, 32, 34), glyph);
        } else {
            draw::emoji(p, QRectF(86, 84, 30, 30), glyph);
        }
    }
    p.end();
    if (look == 2)
        img = draw::greyed(img);
    if (state == 'k') {
        QPainter k(&img);
        k.setRenderHint(QPainter::Antialiasing);
        k.setPen(QPen(QColor(255, 200, 0), 5));
        k.setBrush(Qt::NoBrush);
        k.drawRoundedRect(QRectF(2.5, 2.5, kSide - 5, kSide - 5), 12, 12);
    }
    return img;
}

QString propertyIni()
{
    QString text;
    for (int set = 1; set <= 5; ++set) {
        text += u"[Typ"_s + two(set) + u"]\n"_s;
        for (int o = 1; o <= (set == 5 ? 64 : 32); ++o) {
            QStringList codes;
            for (int c : huntFigureCodes(set, o))
                codes << QString::number(c);
            text += u'o' + two(o) + u'=' + codes.join(u',') + u'\n';
        }
        text += u'\n';
    }
    return text;
}

class HuntPictureFamily final : public Family {
public:
    QString id() const override { return u"hunt"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        out.push_back({u"Obr\\409\\Vyroky.INI"_s, [] { return draw::iniText(propertyIni()); }});
        for (int set = 1; set <= 5; ++set)
            for (int o = 1; o <= (set == 5 ? 64 : 32); ++o)
                for (int look : {1, 2})
                    for (char state : {'n', 'k'})
                        out.push_back({u"obr\\409\\"_s + two(set) + u"\\obr"_s + two(o) + u'_' + QString::number(look)
                                           + QLatin1Char(state) + u".Jpg"_s,
                                       [=] { return draw::jpeg(figure(set, o, look, state)); }});
        return out;
    }
};

class HuntSpeechFamily final : public Family {
public:
    QString id() const override { return u"hunt-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int set = 1; set <= 5; ++set) {
            out.push_back(spokenFile(u"Zvuky\\409\\zv"_s + two(set) + u".wav"_s,
                                     u"Jeden obrázek jsem si tajně vybral. Najdi ho!"_s));
            for (int kind : kindsOf(set))
                for (int value : {1, 2}) {
                    const int code = kind * 10 + value;
                    out.push_back(spokenFile(u"Zvuky\\409\\zv"_s + two(set) + u'_'
                                                 + QString::number(code).rightJustified(3, u'0') + u".wav"_s,
                                             huntClueText(code)));
                }
        }
        out.push_back(spokenFile(u"Zvuky\\409\\jiny.wav"_s, u"Tenhle to není. Hledám jiný obrázek."_s));
        return out;
    }
};

} // namespace

std::vector<int> huntFigureCodes(int set, int picture)
{
    std::vector<int> codes;
    const std::vector<int> &kinds = kindsOf(set);
    for (std::size_t k = 0; k < kinds.size(); ++k)
        codes.push_back(kinds[k] * 10 + ((picture - 1) >> k & 1) + 1);
    return codes;
}

QString huntClueText(int code)
{
    switch (code) {
    case 11: return u"Má klobouk."_s;
    case 12: return u"Nemá klobouk."_s;
    case 21: return u"Má brýle."_s;
    case 22: return u"Nemá brýle."_s;
    case 31: return u"Má červené tričko."_s;
    case 32: return u"Má modré tričko."_s;
    case 41: return u"Drží míč."_s;
    case 42: return u"Nic nedrží."_s;
    case 51: return u"Má tmavé vlasy."_s;
    case 52: return u"Má světlé vlasy."_s;
    case 61: return u"Má zelené tričko."_s;
    case 62: return u"Má žluté tričko."_s;
    case 71: return u"Drží kytičku."_s;
    case 72: return u"Drží balónek."_s;
    case 81: return u"Má červený klobouk."_s;
    case 82: return u"Má modrý klobouk."_s;
    case 91: return u"Má mašli."_s;
    case 92: return u"Nemá mašli."_s;
    case 101: return u"Má vousy."_s;
    case 102: return u"Nemá vousy."_s;
    default: return {};
    }
}

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeHuntPictureFamily() { return std::make_unique<games::HuntPictureFamily>(); }
std::unique_ptr<Family> makeHuntSpeechFamily() { return std::make_unique<games::HuntSpeechFamily>(); }
} // namespace mediagen
