// Media of the ordinal numbers exercise: four sets of ten different pictures
// that stand in a row, the written ordinals and the spoken tasks.
#include "choice_art.h"
#include "numbers_media.h"
#include "draw.h"
#include "family.h"
#include "prompts.h"
#include "speech.h"

using namespace Qt::StringLiterals;

namespace mediagen::ordinal {

namespace {

using choice::Look;

constexpr int kSets = 4;
constexpr int kPerSet = 10;
// Ten tiles share one row of 70-pixel cells: the tile is narrower than that.
constexpr QSize kTile(66, 100);
// The written ordinal and, once solved, the picture asked for take turns in
// one centred answer box: they have one size.
constexpr QSize kDisplay(260, 130);
constexpr QSize kOrdinal = kDisplay;

// Animals in a queue, toys on a shelf, birds on a wire, cars in a column.
const QString kGlyphs[kSets][kPerSet] = {
    {u"🐶"_s, u"🐱"_s, u"🐭"_s, u"🐰"_s, u"🦊"_s, u"🐻"_s, u"🐼"_s, u"🐨"_s, u"🐯"_s, u"🦁"_s},
    {u"🧸"_s, u"⚽"_s, u"🏀"_s, u"🎈"_s, u"🎲"_s, u"🧩"_s, u"🪀"_s, u"🪁"_s, u"🥁"_s, u"🛴"_s},
    {u"🐦"_s, u"🐧"_s, u"🦆"_s, u"🦉"_s, u"🦅"_s, u"🦜"_s, u"🦩"_s, u"🐓"_s, u"🦢"_s, u"🕊"_s},
    {u"🚗"_s, u"🚕"_s, u"🚙"_s, u"🚌"_s, u"🚓"_s, u"🚑"_s, u"🚒"_s, u"🚐"_s, u"🚚"_s, u"🏎"_s},
};

// The card colour of each set, so the sets look different at a glance.
const QColor kFaces[kSets] = {QColor(255, 249, 232), QColor(240, 248, 255), QColor(242, 255, 240), QColor(255, 242, 242)};

QImage rowPicture(int set, int n, Look look)
{
    QRect content;
    const QColor face = look == Look::Highlighted ? QColor() : kFaces[set - 1];
    QImage img = choice::card(look == Look::Display ? kDisplay : kTile, look, &content, face);
    QPainter p(&img);
    choice::drawFitted(p, QRectF(content).adjusted(-3, 0, 3, 0), choice::sprite(kGlyphs[set - 1][n - 1]));
    return img;
}

const QString kWritten[kPerSet] = {u"první"_s, u"druhý"_s, u"třetí"_s, u"čtvrtý"_s, u"pátý"_s,
                                   u"šestý"_s, u"sedmý"_s, u"osmý"_s, u"devátý"_s, u"desátý"_s};

QImage writtenOrdinal(int n)
{
    QRect content;
    QImage img = choice::card(kOrdinal, Look::Display, &content);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::fitText(p, content, kWritten[n - 1], QColor(30, 75, 185), 64, 24);
    return img;
}

// The ordinal in the accusative that goes with each set's noun: animals
// and cars are neuter, toys feminine, birds masculine animate.
QString accusative(int set, int n)
{
    static const QString neuter[kPerSet] = {u"první"_s, u"druhé"_s, u"třetí"_s, u"čtvrté"_s, u"páté"_s,
                                            u"šesté"_s, u"sedmé"_s, u"osmé"_s, u"deváté"_s, u"desáté"_s};
    static const QString feminine[kPerSet] = {u"první"_s, u"druhou"_s, u"třetí"_s, u"čtvrtou"_s, u"pátou"_s,
                                              u"šestou"_s, u"sedmou"_s, u"osmou"_s, u"devátou"_s, u"desátou"_s};
    static const QString animate[kPerSet] = {u"prvního"_s, u"druhého"_s, u"třetího"_s, u"čtvrtého"_s,
                                             u"pátého"_s, u"šestého"_s, u"sedmého"_s, u"osmého"_s,
                                             u"devátého"_s, u"desátého"_s};
    switch (set) {
    case 2: return feminine[n - 1];
    case 3: return animate[n - 1];
    default: return neuter[n - 1];
    }
}

const QString kNouns[kSets] = {u"zvířátko"_s, u"hračku"_s, u"ptáčka"_s, u"auto"_s};

QString soundName(int m, int set)
{
    return u"Zvuky\\203\\zv"_s + choice::pad(m, 2) + u'_' + QString::number(set) + u".wav"_s;
}

} // namespace

std::vector<SpokenText> spokenTasks()
{
    std::vector<SpokenText> out;
    for (int set = 1; set <= kSets; ++set) {
        const QString &noun = kNouns[set - 1];
        for (int n = 1; n <= kPerSet; ++n)
            out.push_back({soundName(n, set), u"Najdi v řadě "_s + accusative(set, n) + u' ' + noun + u'.'});
        const QString middle = set == 3 ? u"prostředního"_s : u"prostřední"_s;
        const QString last = set == 3 ? u"posledního"_s : u"poslední"_s;
        out.push_back({soundName(33, set), u"Najdi "_s + middle + u' ' + noun + u'.'});
        out.push_back({soundName(99, set), u"Najdi "_s + last + u' ' + noun + u'.'});
    }
    return out;
}

namespace {

class PictureFamily final : public Family {
public:
    QString id() const override { return u"ordinal"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int set = 1; set <= kSets; ++set)
            for (int n = 1; n <= kPerSet; ++n)
                for (Look look : {Look::Normal, Look::Highlighted, Look::Display}) {
                    const QString name = u"obr\\203\\obr"_s + choice::pad(set, 2) + u'_' + choice::pad(n, 2)
                        + QLatin1String(choice::lookLetter(look)) + u".Jpg"_s;
                    out.push_back({name, [=] { return draw::jpeg(rowPicture(set, n, look)); }});
                }
        for (int n = 1; n <= kPerSet; ++n)
            out.push_back({u"obr\\203\\cis"_s + choice::pad(n, 2) + u"d.jpg"_s,
                           [=] { return draw::jpeg(writtenOrdinal(n)); }});
        return out;
    }
};

class SpeechFamily final : public Family {
public:
    QString id() const override { return u"ordinal-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : spokenTasks())
            out.push_back(spokenFile(t.name, t.text));
        return out;
    }
};

} // namespace

} // namespace mediagen::ordinal

namespace mediagen {

std::unique_ptr<Family> makeOrdinalPictureFamily() { return std::make_unique<ordinal::PictureFamily>(); }
std::unique_ptr<Family> makeOrdinalSpeechFamily() { return std::make_unique<ordinal::SpeechFamily>(); }

} // namespace mediagen
