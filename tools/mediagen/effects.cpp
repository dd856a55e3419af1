#include "effects.h"

#include "wav.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace mediagen {

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Buffer = std::vector<float>;

Buffer silence(double seconds) { return Buffer(size_t(seconds * kRate), 0.0f); }

// Adds a decaying sine partial starting at t0 seconds: amplitude amp, decay
// time constant tau seconds, a 3 ms attack so that no partial starts with a
// click.
void addPartial(Buffer &b, double t0, double freq, double amp, double tau, double length)
{
    const size_t start = size_t(t0 * kRate);
    const size_t n = size_t(length * kRate);
    if (b.size() < start + n)
        b.resize(start + n, 0.0f);
    const double attack = 0.003 * kRate;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, i / attack) * std::exp(-t / tau);
        b[start + i] += float(amp * env * std::sin(kTwoPi * freq * t));
    }
}

// A sine whose frequency glides from f0 to f1 over the length, with a smooth
// rise and fall (a soft "blip").
void addGlide(Buffer &b, double t0, double f0, double f1, double amp, double length)
{
    const size_t start = size_t(t0 * kRate);
    const size_t n = size_t(length * kRate);
    if (b.size() < start + n)
        b.resize(start + n, 0.0f);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double x = double(i) / n;
        const double f = f0 * std::pow(f1 / f0, x);
        phase += kTwoPi * f / kRate;
        const double env = std::sin(std::numbers::pi * x) * std::exp(-2.0 * x);
        b[start + i] += float(amp * env * std::sin(phase));
    }
}

// Low-passed noise burst with an exponential decay (thuds, rattles).
void addNoise(Buffer &b, double t0, double amp, double tau, double length, double smoothing,
              std::mt19937 &rng)
{
    const size_t start = size_t(t0 * kRate);
    const size_t n = size_t(length * kRate);
    if (b.size() < start + n)
        b.resize(start + n, 0.0f);
    std::uniform_real_distribution<double> uni(-1.0, 1.0);
    double y = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        y += (uni(rng) - y) * smoothing;
        const double env = std::min(1.0, i / (0.002 * kRate)) * std::exp(-t / tau);
        b[start + i] += float(amp * env * y);
    }
}

// Scales to the given peak and fades the last 10 ms out.
QByteArray finish(Buffer b, double peak = 0.7)
{
    float top = 1e-6f;
    for (float v : b)
        top = std::max(top, std::abs(v));
    const float gain = float(peak / top);
    const size_t fade = std::min(b.size(), size_t(0.010 * kRate));
    for (size_t i = 0; i < b.size(); ++i) {
        b[i] *= gain;
        const size_t fromEnd = b.size() - 1 - i;
        if (fromEnd < fade)
            b[i] *= float(fromEnd) / fade;
    }
    return encodeWav(toPcm16(b), kRate);
}

// A bell: inharmonic partials of a small bell at fundamental f.
void addBell(Buffer &b, double t0, double f, double amp, double tau)
{
    addPartial(b, t0, f, amp, tau, tau * 4);
    addPartial(b, t0, f * 2.0, amp * 0.45, tau * 0.6, tau * 3);
    addPartial(b, t0, f * 2.76, amp * 0.25, tau * 0.4, tau * 2);
    addPartial(b, t0, f * 5.40, amp * 0.10, tau * 0.2, tau);
}

QByteArray click(double freq, double second)
{
    Buffer b = silence(0.02);
    std::mt19937 rng(7);
    addPartial(b, 0.0, freq, 0.8, 0.012, 0.06);
    addNoise(b, 0.0, 0.25, 0.004, 0.02, 0.5, rng);
    if (second > 0)
        addPartial(b, second, freq * 1.33, 0.6, 0.012, 0.06);
    return finish(b, 0.55);
}

QByteArray back()
{
    Buffer b;
    addGlide(b, 0.0, 880, 700, 0.7, 0.11);
    addGlide(b, 0.10, 660, 520, 0.7, 0.14);
    return finish(b, 0.4);
}

QByteArray cashRegister()
{
    Buffer b;
    std::mt19937 rng(11);
    // The drawer: a short mechanical rattle, then the bell.
    for (int k = 0; k < 5; ++k)
        addNoise(b, 0.012 * k, 0.35, 0.006, 0.03, 0.35, rng);
    addNoise(b, 0.09, 0.5, 0.03, 0.12, 0.15, rng);
    addBell(b, 0.14, 1568.0, 0.8, 0.22);
    addBell(b, 0.30, 2093.0, 0.6, 0.25);
    return finish(b, 0.65);
}

QByteArray coins()
{
    Buffer b;
    std::mt19937 rng(23);
    std::uniform_real_distribution<double> jitter(0.0, 1.0);
    double t = 0.0;
    for (int k = 0; k < 5; ++k) {
        const double f = 2600 + 1400 * jitter(rng);
        const double amp = 0.7 - 0.1 * k;
        addPartial(b, t, f, amp, 0.045, 0.2);
        addPartial(b, t, f * 1.52, amp * 0.5, 0.03, 0.15);
        addPartial(b, t, f * 2.37, amp * 0.25, 0.02, 0.1);
        addNoise(b, t, 0.12, 0.003, 0.01, 0.8, rng);
        t += 0.04 + 0.05 * jitter(rng);
    }
    return finish(b, 0.5);
}

QByteArray bricks()
{
    Buffer b;
    std::mt19937 rng(31);
    addNoise(b, 0.0, 0.9, 0.035, 0.2, 0.08, rng);
    addPartial(b, 0.0, 140, 0.8, 0.05, 0.25);
    addPartial(b, 0.0, 95, 0.5, 0.07, 0.25);
    addNoise(b, 0.07, 0.35, 0.02, 0.1, 0.1, rng);
    return finish(b, 0.7);
}

QByteArray place()
{
    Buffer b;
    std::mt19937 rng(41);
    addGlide(b, 0.0, 950, 720, 0.8, 0.09);
    addPartial(b, 0.0, 1900, 0.2, 0.015, 0.06);
    addNoise(b, 0.0, 0.15, 0.004, 0.015, 0.4, rng);
    return finish(b, 0.45);
}

QByteArray pickUp()
{
    Buffer b;
    addGlide(b, 0.0, 660, 880, 0.6, 0.09);
    addGlide(b, 0.08, 880, 1320, 0.6, 0.12);
    return finish(b, 0.4);
}

QByteArray ding()
{
    Buffer b;
    addBell(b, 0.0, 1318.5, 0.8, 0.22);   // E6
    addBell(b, 0.28, 1046.5, 0.8, 0.28);  // C6
    return finish(b, 0.6);
}

} // namespace

QStringList effectNames()
{
    return {QStringLiteral("klik1"), QStringLiteral("klik2"), QStringLiteral("zpet"),
            QStringLiteral("pokladna"), QStringLiteral("penize"), QStringLiteral("cihly"),
            QStringLiteral("poloz"), QStringLiteral("blud"), QStringLiteral("ding")};
}

QByteArray effectWav(const QString &stem)
{
    if (stem == u"klik1") return click(1500, 0);
    if (stem == u"klik2") return click(1100, 0.05);
    if (stem == u"zpet") return back();
    if (stem == u"pokladna") return cashRegister();
    if (stem == u"penize") return coins();
    if (stem == u"cihly") return bricks();
    if (stem == u"poloz") return place();
    if (stem == u"blud") return pickUp();
    if (stem == u"ding") return ding();
    return {};
}

} // namespace mediagen
