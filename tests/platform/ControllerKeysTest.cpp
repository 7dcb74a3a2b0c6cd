#include "platform/ControllerKeys.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/KeyCodes.h"

namespace {

using platform::AddControllerKeys;
using platform::PadState;

// The key codes held after mapping the pad onto an empty keyboard.
std::vector<int> HeldKeys(const PadState& pad) {
    std::uint8_t keys[256] = {};
    AddControllerKeys(pad, keys);
    std::vector<int> held;
    for (int code = 0; code < 256; ++code) {
        if ((keys[code] & 0x80) != 0) {
            held.push_back(code);
        }
    }
    return held;
}

PadState WithButton(PadState::Button button) {
    PadState pad;
    pad.buttons[button] = true;
    return pad;
}

TEST(ControllerKeys, ARestingPadHoldsNoKey) {
    EXPECT_TRUE(HeldKeys(PadState{}).empty());
}

TEST(ControllerKeys, FaceButtonsFireByTheirColours) {
    EXPECT_EQ(HeldKeys(WithButton(PadState::East)), std::vector<int>{platform::DIK_Z});   // red
    EXPECT_EQ(HeldKeys(WithButton(PadState::North)), std::vector<int>{platform::DIK_X});  // yellow
    EXPECT_EQ(HeldKeys(WithButton(PadState::West)), std::vector<int>{platform::DIK_C});   // blue
    EXPECT_EQ(HeldKeys(WithButton(PadState::South)), std::vector<int>{platform::DIK_V});  // green
}

TEST(ControllerKeys, ShouldersRefillAndSlowTheAimAndStartConfirms) {
    EXPECT_EQ(HeldKeys(WithButton(PadState::RightShoulder)), std::vector<int>{platform::DIK_SPACE});
    EXPECT_EQ(HeldKeys(WithButton(PadState::LeftShoulder)), std::vector<int>{platform::DIK_LSHIFT});
    EXPECT_EQ(HeldKeys(WithButton(PadState::Start)), std::vector<int>{platform::DIK_RETURN});
}

TEST(ControllerKeys, BackIsNoKeyBecauseItQuitsByMessage) {
    EXPECT_TRUE(HeldKeys(WithButton(PadState::Back)).empty());
}

TEST(ControllerKeys, TheDpadGivesTheArrowKeys) {
    EXPECT_EQ(HeldKeys(WithButton(PadState::DpadUp)), std::vector<int>{platform::DIK_UP});
    EXPECT_EQ(HeldKeys(WithButton(PadState::DpadDown)), std::vector<int>{platform::DIK_DOWN});
    EXPECT_EQ(HeldKeys(WithButton(PadState::DpadLeft)), std::vector<int>{platform::DIK_LEFT});
    EXPECT_EQ(HeldKeys(WithButton(PadState::DpadRight)), std::vector<int>{platform::DIK_RIGHT});
}

TEST(ControllerKeys, TheStickPressesArrowsOnlyPastHalfDeflection) {
    PadState pad;
    pad.leftX = 16384;
    pad.leftY = -16384;
    EXPECT_TRUE(HeldKeys(pad).empty());
    pad.leftX = 16385;
    EXPECT_EQ(HeldKeys(pad), std::vector<int>{platform::DIK_RIGHT});
    pad.leftX = -32768;
    pad.leftY = -16385;
    EXPECT_EQ(HeldKeys(pad), (std::vector<int>{platform::DIK_UP, platform::DIK_LEFT}));
    pad.leftX = 0;
    pad.leftY = 32767;
    EXPECT_EQ(HeldKeys(pad), std::vector<int>{platform::DIK_DOWN});
}

TEST(ControllerKeys, TriggersStepTheArrowSpeedPastHalfTravel) {
    PadState pad;
    pad.leftTrigger = 16384;
    pad.rightTrigger = 16384;
    EXPECT_TRUE(HeldKeys(pad).empty());
    pad.leftTrigger = 32767;
    EXPECT_EQ(HeldKeys(pad), std::vector<int>{platform::DIK_A});
    pad.leftTrigger = 0;
    pad.rightTrigger = 20000;
    EXPECT_EQ(HeldKeys(pad), std::vector<int>{platform::DIK_S});
}

TEST(ControllerKeys, PadKeysAddToTheKeyboardsWithoutReleasingAny) {
    std::uint8_t keys[256] = {};
    keys[platform::DIK_Z] = 0x80;
    keys[platform::DIK_ESCAPE] = 0x80;
    PadState pad = WithButton(PadState::East);
    pad.buttons[PadState::South] = true;
    AddControllerKeys(pad, keys);
    EXPECT_EQ(keys[platform::DIK_Z], 0x80);
    EXPECT_EQ(keys[platform::DIK_ESCAPE], 0x80);
    EXPECT_EQ(keys[platform::DIK_V], 0x80);
    EXPECT_EQ(keys[platform::DIK_X], 0);
}

TEST(ControllerKeys, TwoPadsHoldTheUnionOfTheirKeys) {
    std::uint8_t keys[256] = {};
    AddControllerKeys(WithButton(PadState::North), keys);
    AddControllerKeys(WithButton(PadState::West), keys);
    EXPECT_EQ(keys[platform::DIK_X], 0x80);
    EXPECT_EQ(keys[platform::DIK_C], 0x80);
}

}  // namespace
