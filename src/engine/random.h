#pragma once
// The program's pseudo-random generator: PCG32 (XSH RR output of a 64-bit
// linear congruential state), written out so that a seed gives the same
// numbers on every platform and compiler. One instance is owned by the
// exercise screen, seeded from the clock when the screen is created.
#include <cstdint>

namespace flumo {

class Random {
public:
    Random() { seed(0); }
    explicit Random(std::uint64_t value) { seed(value); }

    // Restarts the sequence; equal seeds give equal sequences.
    void seed(std::uint64_t value);
    // The next 32-bit value, uniform over 0 .. 2^32 - 1.
    std::uint32_t next();
    // Random(a..b): uniform integer from a to b inclusive (the bounds may
    // come in either order). Draws again while a value would bias the
    // result, so every value of the span is equally likely.
    int range(int a, int b);

private:
    std::uint64_t m_state = 0;
    std::uint64_t m_increment = 0;
};

} // namespace flumo
