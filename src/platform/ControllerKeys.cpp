#include "platform/ControllerKeys.h"

#include "platform/KeyCodes.h"

namespace platform {

namespace {

// Past half deflection: a resting stick drifts, and a half push is still a clear intent.
constexpr int kStickThreshold = 16384;
constexpr int kTriggerThreshold = 16384;

struct ButtonKey {
    PadState::Button button;
    std::uint8_t code;
};

constexpr ButtonKey kButtonKeys[] = {
    {PadState::East, DIK_Z},
    {PadState::North, DIK_X},
    {PadState::West, DIK_C},
    {PadState::South, DIK_V},
    {PadState::RightShoulder, DIK_SPACE},
    {PadState::LeftShoulder, DIK_LSHIFT},
    {PadState::Start, DIK_RETURN},
    {PadState::DpadUp, DIK_UP},
    {PadState::DpadDown, DIK_DOWN},
    {PadState::DpadLeft, DIK_LEFT},
    {PadState::DpadRight, DIK_RIGHT},
};

void Press(std::uint8_t (&keys)[256], std::uint8_t code) {
    keys[code] |= 0x80;
}

}  // namespace

std::uint8_t KeyOfButton(PadState::Button button) {
    for (const ButtonKey& mapping : kButtonKeys) {
        if (mapping.button == button) {
            return mapping.code;
        }
    }
    return 0;
}

void AddControllerKeys(const PadState& pad, std::uint8_t (&keys)[256]) {
    for (const ButtonKey& mapping : kButtonKeys) {
        if (pad.buttons[mapping.button]) {
            Press(keys, mapping.code);
        }
    }
    if (pad.leftX < -kStickThreshold) {
        Press(keys, DIK_LEFT);
    } else if (pad.leftX > kStickThreshold) {
        Press(keys, DIK_RIGHT);
    }
    if (pad.leftY < -kStickThreshold) {
        Press(keys, DIK_UP);
    } else if (pad.leftY > kStickThreshold) {
        Press(keys, DIK_DOWN);
    }
    if (pad.leftTrigger > kTriggerThreshold) {
        Press(keys, DIK_A);
    }
    if (pad.rightTrigger > kTriggerThreshold) {
        Press(keys, DIK_S);
    }
}

}  // namespace platform
