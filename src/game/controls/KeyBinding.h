#pragma once

#include <cstdint>

#include "platform/input/PadState.h"

namespace Yorun {

// One key an action is bound to: a place on the keyboard (a DirectInput key code, whatever the layout
// prints there), or, for a shortcut, the key that types a character in the layout in force.
struct KeyBinding {
    enum class Kind : std::uint8_t { None, Place, Character };

    Kind kind = Kind::None;
    std::uint8_t code = 0;   // the place, for Kind::Place
    char32_t character = 0;  // lower case for letters, for Kind::Character

    static KeyBinding AtPlace(std::uint8_t place) { return {Kind::Place, place, 0}; }
    static KeyBinding Typing(char32_t typed) { return {Kind::Character, 0, typed}; }
    bool IsNone() const { return kind == Kind::None; }
    bool operator==(const KeyBinding& other) const = default;
};

// A pad's control an action is bound to: a button of the standard layout (platform::PadState::Button), or
// one of the triggers pulled past half way.
enum class PadControl : std::int8_t {
    None = -1,
    South = platform::PadState::South,
    East = platform::PadState::East,
    West = platform::PadState::West,
    North = platform::PadState::North,
    // Back is no control of the game's: it quits.
    Start = platform::PadState::Start,
    LeftShoulder = platform::PadState::LeftShoulder,
    RightShoulder = platform::PadState::RightShoulder,
    DpadUp = platform::PadState::DpadUp,
    DpadDown = platform::PadState::DpadDown,
    DpadLeft = platform::PadState::DpadLeft,
    DpadRight = platform::PadState::DpadRight,
    LeftStick = platform::PadState::LeftStick,
    RightStick = platform::PadState::RightStick,
    LeftTrigger = platform::PadState::ButtonCount,
    RightTrigger,
};

}  // namespace Yorun
