#pragma once

#include <array>
#include <cstdint>

#include "game/controls/Bindings.h"
#include "input/KeyMap.h"

namespace Yorun {

// The player's bindings at work: from the keys held by their place and the pads' controls, the key codes
// the game reads. A key bound to an action presses that action's code and nothing else; a code an action
// presses comes only from what is bound to it. Enter confirms besides what is bound; the left stick aims
// besides the d-pad; keys no action has (Escape, Backspace, F2…) are read as they are.
class CBoundKeys final : public Corvane::KeyMap {
public:
    // From the next read on, these bindings.
    void Use(const Bindings& chosen);
    const Bindings& InUse() const { return bindings; }

    void Map(const std::uint8_t (&keyboard)[256], const platform::PadState* pads, int count,
             std::uint8_t (&keys)[256]) override;

    // Where a binding is read now: a character at the place of the layout in force that types it, or where
    // a US keyboard has it when no key does; 0 for none.
    std::uint8_t PlaceOf(const KeyBinding& key);
    // The same for the key in use in an action's slot, found once for each layout and set of bindings.
    std::uint8_t PlaceOf(Action action, int slot);

    // What went down at the last read and was not held at the one before: a place, 0 for none; a pad's
    // control, None for none.
    std::uint8_t NewKey() const { return newKey; }
    PadControl NewPadControl() const { return newPadControl; }
    // The family of the pad used last, to call its buttons by their names; Generic before any.
    platform::PadState::Family PadFamily() const { return padFamily; }
    // True, once, after the full-screen action's key or control went down.
    bool TakeFullScreen() {
        const bool pressed = fullScreenPressed;
        fullScreenPressed = false;
        return pressed;
    }
    // A pad was used last, rather than the keyboard; one has been used since the game started.
    bool PadInUse() const { return padInUse; }
    bool PadSeen() const { return padSeen; }

private:
    static constexpr int kControls = static_cast<int>(PadControl::RightTrigger) + 1;

    void Resolve();
    static bool Held(const platform::PadState& pad, PadControl control);

    Bindings bindings;
    // Each action's keys' places, found again when the bindings or the layout change.
    std::array<std::array<std::uint8_t, Bindings::kKeysPerAction>, kActionCount> places{};
    unsigned layoutGeneration = 0;
    bool resolved = false;

    std::array<std::uint8_t, 256> previous{};
    std::array<bool, kControls> previousControls{};
    std::uint8_t newKey = 0;
    PadControl newPadControl = PadControl::None;
    platform::PadState::Family padFamily = platform::PadState::Generic;
    bool padInUse = false;
    bool padSeen = false;
    bool fullScreenHeld = false;
    bool fullScreenPressed = false;
};

}  // namespace Yorun
