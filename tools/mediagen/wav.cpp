#include "wav.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace mediagen {

namespace {
void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray encodeWav(const std::vector<int16_t> &samples, int sampleRate)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1);                       // PCM
    put16(out, 1);                       // mono
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate) * 2); // bytes per second
    put16(out, 2);                       // block align
    put16(out, 16);                      // bits per sample
    out.append("data", 4);
    put32(out, dataBytes);
    for (int16_t s : samples)
        put16(out, quint16(s));
    return out;
}

std::vector<int16_t> toPcm16(const std::vector<float> &samples)
{
    std::vector<int16_t> out(samples.size());
    std::transform(samples.begin(), samples.end(), out.begin(), [](float s) {
        return int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    });
    return out;
}

} // namespace mediagen

namespace mediagen {

namespace {

// The IMA ADPCM step sizes and the step-index changes per code (the
// format's published tables; every decoder uses these).
constexpr int kImaSteps[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kImaIndexChange[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

// The decoder's state, which the encoder tracks so that its prediction is
// exactly what a player reconstructs.
struct ImaState {
    int predicted = 0;
    int index = 0;

    // The code for sample, and the state moved on as a decoder moves it.
    int encode(int sample)
    {
        const int step = kImaSteps[index];
        int diff = sample - predicted;
        int code = 0;
        if (diff < 0) {
            code = 8;
            diff = -diff;
        }
        if (diff >= step) {
            code |= 4;
            diff -= step;
        }
        if (diff >= step >> 1) {
            code |= 2;
            diff -= step >> 1;
        }
        if (diff >= step >> 2)
            code |= 1;
        // Reconstruct the decoder's way (its rounding, not the exact diff).
        int delta = step >> 3;
        if (code & 4)
            delta += step;
        if (code & 2)
            delta += step >> 1;
        if (code & 1)
            delta += step >> 2;
        predicted = std::clamp(predicted + ((code & 8) ? -delta : delta), -32768, 32767);
        index = std::clamp(index + kImaIndexChange[code & 7], 0, 88);
        return code;
    }
};

} // namespace

QByteArray encodeImaAdpcmWav(const std::vector<int16_t> &samples, int sampleRate)
{
    const size_t blocks = std::max<size_t>(1, (samples.size() + kImaBlockSamples - 1) / kImaBlockSamples);
    const quint32 dataBytes = quint32(blocks * kImaBlockBytes);
    QByteArray out;
    out.reserve(int(60 + dataBytes));
    out.append("RIFF", 4);
    put32(out, 4 + (8 + 20) + (8 + 4) + (8 + dataBytes));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 20);
    put16(out, 0x11);                    // IMA ADPCM
    put16(out, 1);                       // mono
    put32(out, quint32(sampleRate));
    put32(out, quint32((qint64(sampleRate) * kImaBlockBytes + kImaBlockSamples / 2) / kImaBlockSamples));
    put16(out, kImaBlockBytes);          // block align
    put16(out, 4);                       // bits per sample
    put16(out, 2);                       // extra bytes
    put16(out, kImaBlockSamples);
    out.append("fact", 4);
    put32(out, 4);
    put32(out, quint32(samples.size()));
    out.append("data", 4);
    put32(out, dataBytes);

    auto at = [&](size_t i) { return i < samples.size() ? int(samples[i]) : 0; };
    ImaState state;
    for (size_t b = 0; b < blocks; ++b) {
        const size_t first = b * kImaBlockSamples;
        // The header restarts the prediction at the block's first sample;
        // the step index carries on from the previous block.
        state.predicted = at(first);
        put16(out, quint16(int16_t(state.predicted)));
        out.append(char(state.index));
        out.append('\0');
        for (size_t i = first + 1; i < first + kImaBlockSamples; i += 2) {
            const int low = state.encode(at(i));
            const int high = state.encode(at(i + 1));
            out.append(char(low | (high << 4)));
        }
    }
    return out;
}

} // namespace mediagen
