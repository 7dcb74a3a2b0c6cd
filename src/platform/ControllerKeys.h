#pragma once

#include <cstdint>

namespace platform {

// A game controller in the standard layout (a mapped pad: four face buttons named by their place, a d-pad,
// shoulders, triggers, two sticks), as read once a frame. Plain values, so the mapping to keys can be
// checked without a device.
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
        ButtonCount
    };

    bool buttons[ButtonCount] = {};
    // −32768..32767, up and left negative, as the device reports them.
    std::int16_t leftX = 0;
    std::int16_t leftY = 0;
    // 0..32767.
    std::int16_t leftTrigger = 0;
    std::int16_t rightTrigger = 0;
};

// The controller plays through the keyboard: each control presses the key the game already knows, so a
// pad needs nothing of its own in the game. Sets bit 7 of the keys the pad holds and leaves the others as
// they are, so a keyboard and any number of pads combine.
//   stick and d-pad: arrows    left shoulder: left Shift (aim twice as fast)
//   east (B): Z, red   north (Y): X, yellow   west (X): C, blue   south (A): V, green
//   right shoulder: Space (refill)   left / right trigger: A / S (arrow speed)   Start: Return
// Back is not a key: it quits, which the message queue handles when the button goes down.
void AddControllerKeys(const PadState& pad, std::uint8_t (&keys)[256]);
// The key a button presses, or 0 for a button that presses none.
std::uint8_t KeyOfButton(PadState::Button button);

}  // namespace platform
