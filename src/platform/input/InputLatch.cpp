#include "platform/input/InputLatch.h"

namespace platform {

void InputLatch::PressKey(std::uint8_t code) {
    if (code == 0) {
        return;
    }
    pressedKeys[code] = 0x80;
    heldBack[code] = false;
}

void InputLatch::HoldBack(std::uint8_t code) {
    pressedKeys[code] = 0;
    heldBack[code] = true;
}

void InputLatch::PressPadButton(std::int32_t pad, PadState::Button button) {
    if (button < 0 || button >= PadState::ButtonCount) {
        return;
    }
    PadPresses* free = nullptr;
    for (PadPresses& presses : padPresses) {
        if (presses.used && presses.pad == pad) {
            presses.buttons[button] = true;
            return;
        }
        if (!presses.used && free == nullptr) {
            free = &presses;
        }
    }
    if (free != nullptr) {
        *free = PadPresses{true, pad, {}};
        free->buttons[button] = true;
    }
}

void InputLatch::TurnWheel(std::int32_t delta) {
    wheel += delta;
}

void InputLatch::ApplyToKeys(std::uint8_t (&keys)[256]) {
    for (std::size_t code = 0; code < pressedKeys.size(); ++code) {
        keys[code] |= pressedKeys[code];
        if (heldBack[code]) {
            if ((keys[code] & 0x80) != 0) {
                keys[code] = 0;
            } else {
                heldBack[code] = false;
            }
        }
    }
    pressedKeys.fill(0);
}

void InputLatch::ApplyToPads(PadState* pads, int count) {
    for (PadPresses& presses : padPresses) {
        for (int index = 0; presses.used && index < count; ++index) {
            if (pads[index].id == presses.pad) {
                for (int button = 0; button < PadState::ButtonCount; ++button) {
                    pads[index].buttons[button] = pads[index].buttons[button] || presses.buttons[button];
                }
            }
        }
        presses = PadPresses{};
    }
}

void InputLatch::PressMouseButton(int button) {
    if (button >= 0 && button < static_cast<int>(mousePresses.size())) {
        mousePresses[static_cast<std::size_t>(button)] = true;
    }
}

void InputLatch::ApplyToMouseButtons(std::uint8_t (&buttons)[8]) {
    for (std::size_t button = 0; button < mousePresses.size(); ++button) {
        buttons[button] |= mousePresses[button] ? 0x80 : 0;
    }
    mousePresses.fill(false);
}

std::int32_t InputLatch::TakeWheel() {
    const std::int32_t turned = wheel;
    wheel = 0;
    return turned;
}

InputLatch& GetInputLatch() {
    static InputLatch latch;
    return latch;
}

}  // namespace platform
