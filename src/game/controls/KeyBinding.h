#pragma once

#include <cstdint>

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
    South,
    East,
    West,
    North,
    Start = 5,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    LeftStick,
    RightStick,
    LeftTrigger,
    RightTrigger,
};

}  // namespace Yorun
