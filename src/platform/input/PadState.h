#pragma once

#include <cstdint>

namespace platform {

// A game controller in the standard layout (a mapped pad: four face buttons named by their place, a d-pad,
// shoulders, triggers, two sticks), as read once a frame. A button counts as down when it is held now or
// went down since the last read, so a press shorter than a frame is still seen.
struct PadState {
    enum Button {
        South,
        East,
        West,
        North,
        Back,
        Start,
        LeftShoulder,
        RightShoulder,
        DpadUp,
        DpadDown,
        DpadLeft,
        DpadRight,
        LeftStick,   // the left stick pressed in
        RightStick,  // the right stick pressed in
        ButtonCount
    };

    // Whose pad this is, where SDL knows: the family decides what the face buttons are called. The buttons
    // themselves are always named by their place.
    enum Family { Generic, Xbox, PlayStation, Nintendo };

    // Which pad this is: the platform's id for it, the same for as long as it stays plugged in.
    std::int32_t id = 0;
    Family family = Generic;
    bool buttons[ButtonCount] = {};
    // −32768..32767, up and left negative, as the device reports them.
    std::int16_t leftX = 0;
    std::int16_t leftY = 0;
    // 0..32767.
    std::int16_t leftTrigger = 0;
    std::int16_t rightTrigger = 0;
};

}  // namespace platform
