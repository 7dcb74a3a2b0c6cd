#include "game/controls/BoundKeys.h"

#include <cstring>

#include "game/controls/KeyNames.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/KeyboardLayout.h"
#include "platform/input/TouchControls.h"

namespace Yorun {

namespace {

// Past half deflection, as the pads have always pressed keys.
constexpr int kStickThreshold = 16384;
constexpr int kTriggerThreshold = 16384;

// Codes that an action's default keys read besides the one it presses: they too come only from bindings.
constexpr std::uint8_t kAlsoPressedBefore[] = {platform::DIK_PAUSE, platform::DIK_SUBTRACT,
                                               platform::DIK_ADD};

}  // namespace

void CBoundKeys::Use(const Bindings& chosen) {
    bindings = chosen;
    resolved = false;
}

std::uint8_t CBoundKeys::PlaceOf(const KeyBinding& key) {
    switch (key.kind) {
        case KeyBinding::Kind::Place:
            return key.code;
        case KeyBinding::Kind::Character: {
            const std::uint8_t typing = platform::CodeTyping(platform::GetKeyboardLayout(), key.character);
            return typing != 0 ? typing : UsPlaceOf(key.character);
        }
        default:
            return 0;
    }
}

std::uint8_t CBoundKeys::PlaceOf(Action action, int slot) {
    Resolve();
    return places[static_cast<int>(action)][slot];
}

void CBoundKeys::Resolve() {
    const unsigned generation = platform::GetKeyboardLayout().Generation();
    if (resolved && generation == layoutGeneration) {
        return;
    }
    for (int action = 0; action < kActionCount; ++action) {
        for (int slot = 0; slot < Bindings::kKeysPerAction; ++slot) {
            places[action][slot] = PlaceOf(bindings.entries[action].keys[slot]);
        }
    }
    layoutGeneration = generation;
    resolved = true;
}

bool CBoundKeys::Held(const platform::PadState& pad, PadControl control) {
    switch (control) {
        case PadControl::None:
            return false;
        case PadControl::LeftTrigger:
            return pad.leftTrigger > kTriggerThreshold;
        case PadControl::RightTrigger:
            return pad.rightTrigger > kTriggerThreshold;
        default:
            return pad.buttons[static_cast<int>(control)];
    }
}

void CBoundKeys::Map(const std::uint8_t (&keyboard)[256], const platform::PadState* pads, int count,
                     std::uint8_t (&keys)[256]) {
    Resolve();
    std::memcpy(keys, keyboard, sizeof(keys));
    for (int action = 0; action < kActionCount; ++action) {
        keys[InfoOf(static_cast<Action>(action)).presses] = 0;
        for (const std::uint8_t place : places[action]) {
            keys[place] = 0;
        }
    }
    for (const std::uint8_t code : kAlsoPressedBefore) {
        keys[code] = 0;
    }
    keys[0] = 0;
    // Enter always confirms.
    keys[platform::DIK_RETURN] = keyboard[platform::DIK_RETURN] & 0x80;

    const platform::TouchControls& touch = platform::GetTouchControls();
    std::array<bool, kControls> controls{};
    for (int pad = 0; pad < count; ++pad) {
        for (int control = 0; control < kControls; ++control) {
            // Back is no control of the game's: it quits.
            const bool back = control == platform::PadState::Back;
            controls[control] =
                controls[control] || (!back && Held(pads[pad], static_cast<PadControl>(control)));
        }
    }
    for (int action = 0; action < kActionCount; ++action) {
        const std::uint8_t presses = InfoOf(static_cast<Action>(action)).presses;
        bool down = false;
        for (const std::uint8_t place : places[action]) {
            down = down || (place != 0 && (keyboard[place] & 0x80) != 0);
        }
        const PadControl pad = bindings.entries[action].pad;
        down = down || (pad != PadControl::None && controls[static_cast<int>(pad)]);
        // The page's touch controls take the actions themselves, whatever keys and buttons are bound.
        down = down || touch.Down(InfoOf(static_cast<Action>(action)).fileName);
        if (down && presses != 0) {
            keys[presses] |= 0x80;
        }
        if (static_cast<Action>(action) == Action::FullScreen) {
            fullScreenPressed = fullScreenPressed || (down && !fullScreenHeld);
            fullScreenHeld = down;
        }
    }
    // The left stick aims, whatever the d-pad is bound to.
    for (int pad = 0; pad < count; ++pad) {
        const platform::PadState& state = pads[pad];
        if (state.leftX < -kStickThreshold) {
            keys[platform::DIK_LEFT] |= 0x80;
        } else if (state.leftX > kStickThreshold) {
            keys[platform::DIK_RIGHT] |= 0x80;
        }
        if (state.leftY < -kStickThreshold) {
            keys[platform::DIK_UP] |= 0x80;
        } else if (state.leftY > kStickThreshold) {
            keys[platform::DIK_DOWN] |= 0x80;
        }
    }

    newKey = 0;
    for (int code = 1; code < 256 && newKey == 0; ++code) {
        if ((keyboard[code] & 0x80) != 0 && (previous[code] & 0x80) == 0) {
            newKey = static_cast<std::uint8_t>(code);
        }
    }
    std::memcpy(previous.data(), keyboard, previous.size());
    newPadControl = PadControl::None;
    for (int control = 0; control < kControls; ++control) {
        if (controls[control] && !previousControls[control] && newPadControl == PadControl::None) {
            newPadControl = static_cast<PadControl>(control);
        }
    }
    previousControls = controls;
    if (newKey != 0) {
        padInUse = false;
    }
    if (newPadControl != PadControl::None && count > 0) {
        padInUse = true;
        padSeen = true;
        padFamily = pads[0].family;
        for (int pad = 0; pad < count; ++pad) {
            for (int control = 0; control < kControls; ++control) {
                if (control != platform::PadState::Back &&
                    Held(pads[pad], static_cast<PadControl>(control))) {
                    padFamily = pads[pad].family;
                }
            }
        }
    }
    platform::GetTouchControls().EndRead();
}

}  // namespace Yorun
