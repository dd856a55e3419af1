#pragma once
// Czech speech synthesis for the spoken prompts, praise and reprimands.
#include <QString>
#include <cstdint>
#include <vector>

namespace mediagen {

struct SpeechAudio {
    std::vector<int16_t> samples;   // mono, 16 bit
    int sampleRate = 0;             // Hz; 0 when synthesis failed
};

// Speaks text (UTF-8 Czech with diacritics) slowly and clearly for a child.
// Leading and trailing silence is trimmed to a short margin and the level is
// normalised. Thread-safe: the speech engine is one per process and calls
// are serialised. Returns empty samples and rate 0 when the engine or the
// Czech voice is not available.
// Not bit-reproducible: the engine's natural pitch flutter and breath noise
// carry state from one utterance to the next, so the same text gives the
// same length and words but slightly different samples each time.
SpeechAudio speakCzech(const QString &text);

// The complete WAV file of speakCzech(text); empty when synthesis failed.
QByteArray speakCzechWav(const QString &text);

// A media file spoken from text: its fingerprint names the voice settings
// and the text, so an unchanged sentence is not synthesised again.
struct MediaFile;
MediaFile spokenFile(const QString &name, const QString &text);

} // namespace mediagen
