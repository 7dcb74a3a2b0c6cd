#include "input/PadKeys.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/input/KeyCodes.h"

namespace {

using Corvane::AddPadKeys;
using platform::PadState;

// The key codes held after adding the pads onto a keyboard holding the given keys.
std::vector<int> HeldKeys(std::initializer_list<PadState> pads, std::initializer_list<int> keyboard = {}) {
    std::uint8_t keys[256] = {};
    for (int key : keyboard) {
        keys[key] = 0x80;
    }
    for (const PadState& pad : pads) {
        AddPadKeys(pad, keys);
    }
    std::vector<int> held;
    for (int code = 0; code < 256; ++code) {
        if ((keys[code] & 0x80) != 0) {
            held.push_back(code);
        }
    }
    return held;
}

TEST(PadKeys, TheStickAndTriggersPressOnlyPastHalfTheirTravel) {
    PadState pad;
    pad.leftX = -16384;
    pad.leftY = 16384;
    pad.leftTrigger = 16384;
    EXPECT_TRUE(HeldKeys({pad}).empty());
    pad.leftX = -16385;
    pad.leftY = 16385;
    pad.leftTrigger = 16385;
    pad.rightTrigger = 32767;
    EXPECT_EQ(HeldKeys({pad}),
              (std::vector<int>{platform::DIK_A, platform::DIK_S, platform::DIK_LEFT, platform::DIK_DOWN}));
}

TEST(PadKeys, PadsAddToTheKeyboardAndToEachOtherWithoutReleasingAnything) {
    PadState red;
    red.buttons[PadState::East] = true;
    PadState back;
    back.buttons[PadState::Back] = true;  // Back quits by message and presses no key
    EXPECT_EQ(HeldKeys({red, back}, {platform::DIK_SPACE}),
              (std::vector<int>{platform::DIK_Z, platform::DIK_SPACE}));
}

}  // namespace
