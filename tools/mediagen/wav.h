#pragma once
// Sounds in RIFF/WAVE form, in the two encodings the program's sound device
// (SDL_LoadWAV) plays: 16-bit mono PCM, and IMA ADPCM for speech.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace mediagen {

// The complete bytes of a WAV file holding samples at sampleRate (Hz).
QByteArray encodeWav(const std::vector<int16_t> &samples, int sampleRate);

// Samples per block of the IMA ADPCM files: 256-byte blocks, a 4-byte
// header holding the first sample, then two samples a byte.
inline constexpr int kImaBlockBytes = 256;
inline constexpr int kImaBlockSamples = (kImaBlockBytes - 4) * 2 + 1;

// The complete bytes of a mono IMA ADPCM WAV file (format 0x11, 4 bits a
// sample: a quarter of the PCM size). Players decode whole blocks, so the
// last block is filled up with silence (at most kImaBlockSamples - 1
// samples); the "fact" chunk holds the true count. The byte rate in the
// "fmt " chunk gives the played length of the padded data.
QByteArray encodeImaAdpcmWav(const std::vector<int16_t> &samples, int sampleRate);

// Converts floating samples (nominal range -1..1, values beyond are clipped)
// to 16-bit.
std::vector<int16_t> toPcm16(const std::vector<float> &samples);

} // namespace mediagen
