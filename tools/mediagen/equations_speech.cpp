// Spoken equations, results and tasks of the pictures-and-equations
// exercises and of the wrong and right examples, and the two families that
// carry their media.
#include "equations.h"
#include "choice_art.h"
#include "speech.h"

using namespace Qt::StringLiterals;

namespace mediagen::equations {

namespace {

// Numbers as they are read in a sum; as a result two is "dvě".
const QString kNominative[] = {
    u"nula"_s, u"jedna"_s, u"dva"_s, u"tři"_s, u"čtyři"_s, u"pět"_s,
    u"šest"_s, u"sedm"_s, u"osm"_s, u"devět"_s, u"deset"_s,
};
// After "bez": "pět bez dvou".
const QString kGenitive[] = {
    u"nuly"_s, u"jedné"_s, u"dvou"_s, u"tří"_s, u"čtyř"_s, u"pěti"_s,
    u"šesti"_s, u"sedmi"_s, u"osmi"_s, u"devíti"_s, u"deseti"_s,
};

QString word(int n) { return kNominative[qBound(0, n, 10)]; }

// "je pět", "jsou tři": the verb agrees with the result.
QString isResult(int a)
{
    const QString result = a == 2 ? u"dvě"_s : word(a);
    return (a >= 2 && a <= 4 ? u"jsou "_s : u"je "_s) + result;
}

QString capitalised(const QString &s)
{
    return s.isEmpty() ? s : s.front().toUpper() + s.mid(1);
}

QString pad(int n, int width) { return choice::pad(n, width); }

} // namespace

QString sumSentence(int b, int c)
{
    return capitalised(word(b) + u" a "_s + word(c) + u' ' + isResult(b + c) + u'.');
}

QString differenceSentence(int b, int c)
{
    return capitalised(word(b) + u" bez "_s + kGenitive[qBound(0, c, 10)] + u' ' + isResult(b - c) + u'.');
}

std::vector<SpokenText> spokenTexts()
{
    std::vector<SpokenText> out;
    // 302: the target's equation, named by its triple a_b_c.
    for (int a = 1; a <= 10; ++a)
        for (int b = 0; b <= a; ++b)
            out.push_back({u"Zvuky\\302\\zv"_s + pad(a, 2) + u'_' + pad(b, 2) + u'_' + pad(a - b, 2) + u".wav"_s,
                           sumSentence(b, a - b)});
    for (int b = 1; b <= 10; ++b)
        for (int c = 1; c <= b; ++c)
            out.push_back({u"Zvuky\\302\\minus\\zv"_s + pad(b - c, 2) + u'_' + pad(b, 2) + u'_' + pad(c, 2) + u".wav"_s,
                           differenceSentence(b, c)});
    // 307: the result to find.
    for (int r = 1; r <= 10; ++r)
        out.push_back({u"Zvuky\\307\\zv"_s + pad(r, 2) + u".wav"_s,
                       u"Najdi všechny příklady, které mají výsledek "_s + word(r) + u'.'});
    // 308: find the right one (1) or the wrong one (2).
    const QStringList right = {u"Najdi správný příklad."_s, u"Který příklad je správně?"_s,
                               u"Jeden příklad je správně. Najdi ho."_s, u"Ukaž příklad, který je správně."_s};
    const QStringList wrong = {u"Najdi špatný příklad."_s, u"Který příklad je špatně?"_s,
                               u"Jeden příklad je špatně. Najdi ho."_s, u"Ukaž příklad, který je špatně."_s};
    for (int r = 1; r <= 4; ++r) {
        out.push_back({u"Zvuky\\308\\zv1-"_s + QString::number(r) + u".wav"_s, right[r - 1]});
        out.push_back({u"Zvuky\\308\\zv2-"_s + QString::number(r) + u".wav"_s, wrong[r - 1]});
    }
    return out;
}

namespace {

class EquationPictureFamily final : public Family {
public:
    QString id() const override { return u"equations"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        addPictures(out);
        return out;
    }
};

class EquationSpeechFamily final : public Family {
public:
    QString id() const override { return u"equations-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : spokenTexts())
            out.push_back(spokenFile(t.name, t.text));
        return out;
    }
};

} // namespace

} // namespace mediagen::equations

namespace mediagen {

std::unique_ptr<Family> makeEquationPictureFamily() { return std::make_unique<equations::EquationPictureFamily>(); }
std::unique_ptr<Family> makeEquationSpeechFamily() { return std::make_unique<equations::EquationSpeechFamily>(); }

} // namespace mediagen
