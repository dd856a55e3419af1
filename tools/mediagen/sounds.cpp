#include "family.h"

#include "effects.h"
#include "prompts.h"
#include "speech.h"

using namespace Qt::StringLiterals;

namespace mediagen {

namespace {

class SoundFamily final : public Family {
public:
    // Speech is serialised inside speakCzech; the effects share no state.
    bool threadSafe() const override { return true; }
    QString id() const override { return u"sounds"_s; }

    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        auto addSpoken = [&out](const std::vector<SpokenText> &texts, Voice voice) {
            for (const SpokenText &t : texts)
                out.push_back(spokenFile(t.name, t.text, voice));
        };
        // The calm adult voice explains and encourages; praise comes in a
        // child's voice, like a friend cheering.
        addSpoken(spokenPrompts(), Voice::Teacher);
        addSpoken(praisePhrases(), Voice::Child);
        addSpoken(reprimandPhrases(), Voice::Teacher);
        for (const QString &stem : effectNames())
            out.push_back({u"zvuky\\"_s + stem + u".wav"_s, [stem] { return effectWav(stem); }});
        return out;
    }
};

} // namespace

std::unique_ptr<Family> makeSoundFamily() { return std::make_unique<SoundFamily>(); }

} // namespace mediagen
