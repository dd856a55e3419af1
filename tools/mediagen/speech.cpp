#include "speech.h"

#include "family.h"
#include "wav.h"

#include <espeak-ng/speak_lib.h>

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace mediagen {

namespace {

// The speech library keeps one engine per process with global state and no
// locking of its own, so this wrapper mirrors that: one record per process,
// and every use of the library, from any family or thread, holds its lock.
struct Engine {
    std::mutex lock;
    int rate = 0;   // Hz once initialised; 0 before the first use, -1 on failure
};

Engine &engine()
{
    static Engine e;
    return e;
}

int synthCallback(short *wav, int count, espeak_EVENT *events)
{
    if (wav && count > 0 && events && events->user_data) {
        auto *out = static_cast<std::vector<int16_t> *>(events->user_data);
        out->insert(out->end(), wav, wav + count);
    }
    return 0;
}

// Caller holds engine().lock.
bool ensureEngine()
{
    int &rate = engine().rate;
    if (rate == 0) {
        const int hz = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                         espeakINITIALIZE_DONT_EXIT);
        if (hz <= 0) {
            rate = -1;
            return false;
        }
        espeak_SetSynthCallback(synthCallback);
        if (espeak_SetVoiceByName("cs+f2") != EE_OK && espeak_SetVoiceByName("cs") != EE_OK) {
            rate = -1;
            return false;
        }
        // Slow and a little higher than the default: a friendly voice a small
        // child can follow.
        espeak_SetParameter(espeakRATE, 140, 0);
        espeak_SetParameter(espeakPITCH, 58, 0);
        espeak_SetParameter(espeakRANGE, 60, 0);
        espeak_SetParameter(espeakWORDGAP, 1, 0);
        rate = hz;
    }
    return rate > 0;
}

// Trims silence to a margin of about 60 ms at both ends and scales the peak
// to about -2 dBFS, so every recording plays at the same loudness.
void tidy(std::vector<int16_t> &s, int rate)
{
    const int threshold = 300;
    auto loud = [&](int16_t v) { return std::abs(int(v)) > threshold; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    if (first == s.end()) {
        s.clear();
        return;
    }
    const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
    const long margin = rate * 60 / 1000;
    const long begin = std::max<long>(0, long(first - s.begin()) - margin);
    const long end = std::min<long>(long(s.size()), long(last - s.begin()) + margin);
    std::vector<int16_t> cut(s.begin() + begin, s.begin() + end);
    int peak = 1;
    for (int16_t v : cut)
        peak = std::max(peak, std::abs(int(v)));
    const double gain = 26000.0 / peak;
    for (int16_t &v : cut)
        v = int16_t(std::clamp<long>(std::lround(v * gain), -32767, 32767));
    s.swap(cut);
}

} // namespace

SpeechAudio speakCzech(const QString &text)
{
    SpeechAudio audio;
    const QByteArray utf8 = text.toUtf8();
    std::lock_guard<std::mutex> guard(engine().lock);
    if (!ensureEngine())
        return audio;
    std::vector<int16_t> samples;
    const espeak_ERROR err = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER,
                                          0, espeakCHARS_UTF8, nullptr, &samples);
    if (err != EE_OK || espeak_Synchronize() != EE_OK)
        return audio;
    tidy(samples, engine().rate);
    if (samples.empty())
        return audio;
    audio.samples = std::move(samples);
    audio.sampleRate = engine().rate;
    return audio;
}

MediaFile spokenFile(const QString &name, const QString &text)
{
    // Bump the version whenever the voice, rate, pitch or post-processing change.
    static const QString kVoiceVersion = QStringLiteral("cs+f2/140/v1:");
    return {name, [text] { return speakCzechWav(text); }, kVoiceVersion + text};
}

QByteArray speakCzechWav(const QString &text)
{
    const SpeechAudio audio = speakCzech(text);
    if (audio.sampleRate <= 0)
        return {};
    return encodeWav(audio.samples, audio.sampleRate);
}

} // namespace mediagen
