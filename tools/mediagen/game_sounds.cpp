// Spoken media of the games: the sums of the addition domino.
#include "games.h"
#include "speech.h"

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

const QString kNumberWords[] = {
    u"nula"_s,    u"jedna"_s,    u"dva"_s,      u"tři"_s,      u"čtyři"_s,   u"pět"_s,     u"šest"_s,
    u"sedm"_s,    u"osm"_s,      u"devět"_s,    u"deset"_s,    u"jedenáct"_s, u"dvanáct"_s, u"třináct"_s,
    u"čtrnáct"_s, u"patnáct"_s,  u"šestnáct"_s, u"sedmnáct"_s, u"osmnáct"_s,
};

class GameSpeechFamily final : public Family {
public:
    QString id() const override { return u"game-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        // The domino's sums: two halves of 0..9.
        for (int sum = 0; sum <= 18; ++sum)
            out.push_back(spokenFile(u"Zvuky\\407\\zv"_s + QString::number(sum).rightJustified(2, u'0') + u".wav"_s,
                                     u"Najdi kostku, která má dohromady "_s + kNumberWords[sum] + u'.'));
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeGameSpeechFamily() { return std::make_unique<games::GameSpeechFamily>(); }
} // namespace mediagen
