#pragma once
// Czech speech synthesis for the spoken prompts, praise and reprimands.
//
// The voices are Festival's recorded Czech voices when Festival and the
// voice are installed, and espeak-ng's Czech voice otherwise. Festival is a
// separate program: each run speaks a batch of sentences, so files made
// through spokenFile() collect their sentences first (MediaFile::prepare)
// and one run per voice speaks them all.
#include <QString>
#include <cstdint>
#include <vector>

namespace mediagen {

// Who speaks: the calm adult voice of the instructions and tasks, or the
// child's voice of the praise. Without that voice installed, the other one
// speaks, and without Festival, espeak-ng.
enum class Voice { Teacher, Child };

// The rate of all speech: Festival's voices are resampled to it, espeak-ng
// speaks at it. It keeps the hiss and sibilants of Czech (up to 11 kHz).
inline constexpr int kSpeechRate = 22050;

struct SpeechAudio {
    std::vector<int16_t> samples;   // mono, 16 bit
    int sampleRate = 0;             // Hz; 0 when synthesis failed
};

// Speaks text (UTF-8 Czech with diacritics) slowly and clearly for a child;
// the one-argument form in the Teacher voice. Leading and trailing silence
// is trimmed to a short margin and the level is normalised. Thread-safe.
// Returns empty samples and rate 0 when no Czech voice is available.
// Not bit-reproducible with espeak-ng: its pitch flutter and breath noise
// carry state from one utterance to the next, so the same text gives the
// same length and words but slightly different samples each time.
SpeechAudio speakCzech(const QString &text);
SpeechAudio speakCzech(const QString &text, Voice voice);

// Keeps every synthesised sentence (16-bit PCM WAV, named by a hash of the
// speaker, rate, synthesis version and text) in folder and takes it from
// there the next time, so an unchanged sentence is never synthesised twice,
// even after the media folder was deleted. Call before the first make();
// an empty folder (the default) keeps nothing.
void setSpeechCache(const QString &folder);

// The complete WAV file of speakCzech(text) (IMA ADPCM, as every spoken
// file); empty when synthesis failed.
QByteArray speakCzechWav(const QString &text);

// A media file spoken from text, IMA ADPCM at kSpeechRate: its fingerprint
// names the voice settings and the text, so an unchanged sentence is not
// synthesised again.
struct MediaFile;
MediaFile spokenFile(const QString &name, const QString &text);
MediaFile spokenFile(const QString &name, const QString &text, Voice voice);

// What speaks voice in this process: "festival czech_dita",
// "festival czech_krb" or "espeak-ng cs+f2". The Festival program is looked
// up as "festival" on the PATH, or taken from MEDIAGEN_FESTIVAL when that is
// set (set it to "none" to speak with espeak-ng only).
QString speakerOf(Voice voice);

} // namespace mediagen
