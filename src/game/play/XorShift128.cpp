#include "game/play/XorShift128.h"

namespace Yorun {

std::uint32_t XorShift128::Next() {
    const std::uint32_t t = x ^ (x << 11);
    x = y;
    y = z;
    z = w;
    w = w ^ (w >> 19) ^ t ^ (t >> 8);
    return w;
}

XorShift128& GameRandom() {
    static XorShift128 generator;
    return generator;
}

std::uint32_t NextRandom() {
    return GameRandom().Next();
}

}  // namespace Yorun
