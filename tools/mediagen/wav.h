#pragma once
// 16-bit mono PCM in RIFF/WAVE form, the one sound format the program plays.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace mediagen {

// The complete bytes of a WAV file holding samples at sampleRate (Hz).
QByteArray encodeWav(const std::vector<int16_t> &samples, int sampleRate);

// Converts floating samples (nominal range -1..1, values beyond are clipped)
// to 16-bit.
std::vector<int16_t> toPcm16(const std::vector<float> &samples);

} // namespace mediagen
