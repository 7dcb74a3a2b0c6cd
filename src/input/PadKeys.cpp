#include "input/PadKeys.h"

#include "platform/input/KeyCodes.h"

namespace Corvane {

namespace {

using platform::PadState;

// Past half deflection: a resting stick drifts, and a half push is still a clear intent.
constexpr int kStickThreshold = 16384;
constexpr int kTriggerThreshold = 16384;

struct ButtonKey {
    PadState::Button button;
    std::uint8_t code;
};

constexpr ButtonKey kButtonKeys[] = {
    {PadState::East, platform::DIK_Z},
    {PadState::North, platform::DIK_X},
    {PadState::West, platform::DIK_C},
    {PadState::South, platform::DIK_V},
    {PadState::RightShoulder, platform::DIK_SPACE},
    {PadState::LeftShoulder, platform::DIK_LSHIFT},
    {PadState::Start, platform::DIK_RETURN},
    // Start also pauses a game in play, where Enter means nothing.
    {PadState::Start, platform::DIK_PAUSE},
    {PadState::LeftStick, platform::DIK_MINUS},
    {PadState::RightStick, platform::DIK_EQUALS},
    {PadState::DpadUp, platform::DIK_UP},
    {PadState::DpadDown, platform::DIK_DOWN},
    {PadState::DpadLeft, platform::DIK_LEFT},
    {PadState::DpadRight, platform::DIK_RIGHT},
};

void Press(std::uint8_t (&keys)[256], std::uint8_t code) {
    keys[code] |= 0x80;
}

}  // namespace

void AddPadKeys(const PadState& pad, std::uint8_t (&keys)[256]) {
    for (const ButtonKey& mapping : kButtonKeys) {
        if (pad.buttons[mapping.button]) {
            Press(keys, mapping.code);
        }
    }
    if (pad.leftX < -kStickThreshold) {
        Press(keys, platform::DIK_LEFT);
    } else if (pad.leftX > kStickThreshold) {
        Press(keys, platform::DIK_RIGHT);
    }
    if (pad.leftY < -kStickThreshold) {
        Press(keys, platform::DIK_UP);
    } else if (pad.leftY > kStickThreshold) {
        Press(keys, platform::DIK_DOWN);
    }
    if (pad.leftTrigger > kTriggerThreshold) {
        Press(keys, platform::DIK_A);
    }
    if (pad.rightTrigger > kTriggerThreshold) {
        Press(keys, platform::DIK_S);
    }
}

}  // namespace Corvane
