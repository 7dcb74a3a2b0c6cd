#pragma once

#include <array>
#include <cstdint>

#include "platform/input/PadState.h"

namespace platform {

// What the devices did between two reads. The devices are read once a frame as a snapshot of what is held,
// and a key or pad button pressed and let go between two frames (a quick tap on a busy machine, a key sent
// by another program) would never be in it. So each press is noted here as the message queue hands out the
// message that reports it, and the sources add what is noted to their next read: a press is seen for one
// frame however short it was, whichever queue delivered it and whichever source reads it.
//
// The latch also holds back keys that went down as part of a desktop shortcut (the Enter of Alt+Enter):
// they read as up until they have been let go.
class InputLatch {
public:
    // A key went down (by key code); an auto-repeat is not a press. A new press of a held-back key means it
    // was let go in between: it is the game's again.
    void PressKey(std::uint8_t code);
    // The key reads as up from now until a read finds it let go, a press noted for it included.
    void HoldBack(std::uint8_t code);
    // A button of the pad with this id went down.
    void PressPadButton(std::int32_t pad, PadState::Button button);
    // The mouse wheel turned (120 a notch).
    void TurnWheel(std::int32_t delta);
    // A mouse button went down (0 the left).
    void PressMouseButton(int button);

    // A read of the keyboard (bit 7 set = down): the presses noted since the last read are added, held-back
    // keys are taken out, and the presses are forgotten.
    void ApplyToKeys(std::uint8_t (&keys)[256]);
    // A read of the pads: each pad's buttons pressed since the last read are added. The presses are then
    // forgotten, those of a pad that is no longer there included.
    void ApplyToPads(PadState* pads, int count);
    // The wheel's turn since the last call.
    std::int32_t TakeWheel();
    // A read of the mouse's buttons (bit 7 set = down): the presses since the last read are added, and
    // forgotten.
    void ApplyToMouseButtons(std::uint8_t (&buttons)[8]);

private:
    // More pads than this pressing buttons between two reads lose their presses, not their held buttons.
    static constexpr std::size_t kPadCapacity = 16;

    struct PadPresses {
        bool used = false;
        std::int32_t pad = 0;
        std::array<bool, PadState::ButtonCount> buttons{};
    };

    std::array<std::uint8_t, 256> pressedKeys{};
    std::array<bool, 256> heldBack{};
    std::array<PadPresses, kPadCapacity> padPresses{};
    std::int32_t wheel = 0;
    std::array<bool, 8> mousePresses{};
};

// The one latch, between the message queue in use and the sources in use. Touched by the main thread only.
InputLatch& GetInputLatch();

}  // namespace platform
