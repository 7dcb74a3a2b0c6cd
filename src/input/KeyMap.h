#pragma once

#include <cstdint>

#include "platform/input/PadState.h"

namespace Corvane {

// Which keys the game reads, made from what the devices hold: a game that lets its players move its keys
// installs one in the input object. Without one the keyboard's keys are the game's as they are, and each
// pad presses the keys AddPadKeys gives its controls.
class KeyMap {
public:
    virtual ~KeyMap() = default;
    // keyboard: every key held by its place (bit 7 set = down), the presses since the last read included;
    // pads: the pads as read. Fills keys with what the game reads.
    virtual void Map(const std::uint8_t (&keyboard)[256], const platform::PadState* pads, int count,
                     std::uint8_t (&keys)[256]) = 0;
};

}  // namespace Corvane
