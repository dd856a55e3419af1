#include "engine/random.h"
#include <utility>

namespace flumo {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
// The stream selector; fixed, so that only the seed picks the sequence.
constexpr std::uint64_t kStream = 54;
} // namespace

void Random::seed(std::uint64_t value)
{
    m_state = 0;
    m_increment = (kStream << 1) | 1u;
    next();
    m_state += value;
    next();
}

std::uint32_t Random::next()
{
    const std::uint64_t old = m_state;
    m_state = old * kMultiplier + m_increment;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
    const auto rot = static_cast<std::uint32_t>(old >> 59);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

int Random::range(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(b) - a) + 1;
    constexpr std::uint64_t kValues = std::uint64_t(1) << 32;
    // Values at or above limit would favour the low residues: draw again.
    const std::uint64_t limit = kValues - kValues % span;
    std::uint64_t v;
    do {
        v = next();
    } while (v >= limit);
    return static_cast<int>(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(v % span));
}

} // namespace flumo
