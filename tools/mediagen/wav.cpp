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
