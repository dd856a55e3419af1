// The spoken tasks of the choice exercises and the two families (pictures,
// speech) that carry the choice media.
#include "choice.h"
#include "choice_art.h"
#include "speech.h"

using namespace Qt::StringLiterals;

namespace mediagen::choice {

namespace {

// Numbers as they are read in a sum or a comparison ("větší než dva").
const QString kNumberWords[] = {
    u"nula"_s, u"jedna"_s, u"dva"_s,  u"tři"_s,   u"čtyři"_s, u"pět"_s,
    u"šest"_s, u"sedm"_s,  u"osm"_s,  u"devět"_s, u"deset"_s,
};

QString soundName(int task, const QString &tail)
{
    const QString ttt = pad(task, 3);
    return u"Zvuky\\"_s + ttt + u"\\zv"_s + tail + u".wav"_s;
}

// Sentences of one task in several wordings; the file number is the
// wording's position from 1.
void addWordings(std::vector<SpokenText> &out, int task, const QString &prefix, const QStringList &wordings)
{
    for (int r = 1; r <= wordings.size(); ++r)
        out.push_back({soundName(task, prefix + QString::number(r)), wordings[r - 1]});
}

} // namespace

QString colourAccusative(int c, bool precise)
{
    static const QString names[kColourCount] = {
        u"bílou"_s,  u"červenou"_s, u"modrou"_s,  u"zelenou"_s, u"žlutou"_s,
        u"černou"_s, u"oranžovou"_s, u"růžovou"_s, u"fialovou"_s, u"hnědou"_s,
        u"šedou"_s,  u"světle modrou"_s, u"světle zelenou"_s, u"světle žlutou"_s, u"světle hnědou"_s,
    };
    if (c < 1 || c > kColourCount)
        return {};
    // Beside the light shades of the highest level, the plain colours of
    // the same hue are named as the darker ones.
    if (precise && (c == 3 || c == 4 || c == 5 || c == 10))
        return u"tmavě "_s + names[c - 1];
    return names[c - 1];
}

std::vector<SpokenText> spokenTasks()
{
    std::vector<SpokenText> out;

    // Colours: colour 1 is never asked for.
    for (int c = 2; c <= kColourCount; ++c) {
        out.push_back({soundName(102, pad(c, 3)), u"Najdi "_s + colourAccusative(c, false) + u" barvu."_s});
        if (c == 3 || c == 4 || c == 5 || c == 10)
            out.push_back({soundName(102, pad(c, 3) + u"_2"_s), u"Najdi "_s + colourAccusative(c, true) + u" barvu."_s});
    }

    // Largest and smallest: sizes in subtask 1, quantities in subtask 2.
    auto sizeWordings = [](const QString &superlative) {
        return QStringList{u"Najdi "_s + superlative + u" obrázek."_s,
                           u"Který obrázek je "_s + superlative + u'?',
                           u"Ukaž "_s + superlative + u" obrázek."_s,
                           u"Kde je ten "_s + superlative + u'?',
                           u"Najdi ten "_s + superlative + u" obrázek."_s,
                           u"Klikni na "_s + superlative + u" obrázek."_s};
    };
    auto amountWordings = [](const QString &most) {
        return QStringList{u"Najdi obrázek, na kterém je "_s + most + u" věcí."_s,
                           u"Kde je "_s + most + u" věcí?"_s,
                           u"Ukaž, kde je jich "_s + most + u'.',
                           u"Na kterém obrázku je "_s + most + u" věcí?"_s,
                           u"Najdi, kde je jich "_s + most + u'.',
                           u"Klikni na obrázek, kde je "_s + most + u" věcí."_s};
    };
    addWordings(out, 108, u"1_1-"_s, sizeWordings(u"největší"_s));
    addWordings(out, 108, u"3_1-"_s, sizeWordings(u"nejmenší"_s));
    addWordings(out, 108, u"3_2-"_s, amountWordings(u"nejvíc"_s));
    addWordings(out, 108, u"1_2-"_s, amountWordings(u"nejméně"_s));

    // Same, fewer, more than the picture above: 3 more, 2 same, 1 fewer.
    auto compareWordings = [](const QString &how, const QString &than) {
        return QStringList{u"Najdi obrázek, kde je "_s + how + u" věcí "_s + than + u" nahoře."_s,
                           u"Kde je "_s + how + u" věcí "_s + than + u" na obrázku nahoře?"_s,
                           u"Ukaž, kde je jich "_s + how + u' ' + than + u" nahoře."_s,
                           u"Na kterém obrázku je "_s + how + u" věcí "_s + than + u" nahoře?"_s};
    };
    addWordings(out, 111, u"3-"_s, compareWordings(u"víc"_s, u"než"_s));
    addWordings(out, 111, u"2-"_s, compareWordings(u"stejně"_s, u"jako"_s));
    addWordings(out, 111, u"1-"_s, compareWordings(u"méně"_s, u"než"_s));

    // Quantity and number: the value of the target, 0..10. The same file
    // asks for a picture with that many things and for the number itself,
    // so the sentence names only the number, in the accusative.
    static const QString findWords[] = {
        u"nulu"_s, u"jednu"_s, u"dvě"_s,  u"tři"_s,   u"čtyři"_s, u"pět"_s,
        u"šest"_s, u"sedm"_s,  u"osm"_s,  u"devět"_s, u"deset"_s,
    };
    for (int v = 0; v <= 10; ++v)
        out.push_back({soundName(202, pad(v, 2)), u"Najdi "_s + findWords[v] + u'.'});

    // Comparing numbers.
    auto extremeWordings = [](const QString &superlative) {
        return QStringList{u"Najdi "_s + superlative + u" číslo."_s, u"Které číslo je "_s + superlative + u'?',
                           u"Ukaž "_s + superlative + u" číslo."_s, u"Klikni na "_s + superlative + u" číslo."_s};
    };
    addWordings(out, 204, u"3_1-"_s, extremeWordings(u"největší"_s));
    addWordings(out, 204, u"1_1-"_s, extremeWordings(u"nejmenší"_s));
    auto relationWordings = [](const QString &which) {
        return QStringList{u"Najdi číslo, které je "_s + which + u'.', u"Které číslo je "_s + which + u'?',
                           u"Ukaž číslo, které je "_s + which + u'.', u"Doplň číslo, které je "_s + which + u'.'};
    };
    addWordings(out, 204, u"3_2-"_s, relationWordings(u"větší"_s));
    addWordings(out, 204, u"2_2-"_s, relationWordings(u"stejné"_s));
    addWordings(out, 204, u"1_2-"_s, relationWordings(u"menší"_s));
    for (int v = 0; v <= 10; ++v) {
        out.push_back({soundName(204, u"3_"_s + pad(v, 2)), u"Najdi všechna čísla větší než "_s + kNumberWords[v] + u'.'});
        out.push_back({soundName(204, u"1_"_s + pad(v, 2)), u"Najdi všechna čísla menší než "_s + kNumberWords[v] + u'.'});
    }
    return out;
}

namespace {

class ChoicePictureFamily final : public Family {
public:
    QString id() const override { return u"choice"_s; }
    // Each picture is painted on its own QImage; emoji go through the
    // locked sprite cache.
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        addObjectPictures(out);
        addColourPictures(out);
        addSizePictures(out);
        addCountPictures(out);
        addNumberPictures(out);
        return out;
    }
};

class ChoiceSpeechFamily final : public Family {
public:
    QString id() const override { return u"choice-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : spokenTasks()) {
            const QString text = t.text;
            out.push_back(spokenFile(t.name, text));
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::choice

namespace mediagen {

std::unique_ptr<Family> makeChoicePictureFamily() { return std::make_unique<choice::ChoicePictureFamily>(); }
std::unique_ptr<Family> makeChoiceSpeechFamily() { return std::make_unique<choice::ChoiceSpeechFamily>(); }

} // namespace mediagen
