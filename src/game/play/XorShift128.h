#pragma once

#include <cstdint>

namespace Yorun {

// Marsaglia's xorshift generator with 128 bits of state (shifts 11, 8 and 19), from the published seed.
class XorShift128 {
public:
    std::uint32_t Next();
    bool operator==(const XorShift128&) const = default;

    std::uint32_t x = 123456789u;
    std::uint32_t y = 362436069u;
    std::uint32_t z = 521288629u;
    std::uint32_t w = 88675123u;
};

// The one generator of the run: never seeded from anything, never reset, so the same keys in the same
// updates give the same game, and each game goes on where the last one stopped.
XorShift128& GameRandom();
std::uint32_t NextRandom();

}  // namespace Yorun
