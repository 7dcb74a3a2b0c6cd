#include "game/controls/Action.h"

#include "platform/input/KeyCodes.h"

namespace Yorun {

namespace {

using namespace platform;

constexpr KeyBinding Place(std::uint8_t code) {
    return {KeyBinding::Kind::Place, code, 0};
}
constexpr KeyBinding Typing(char32_t character) {
    return {KeyBinding::Kind::Character, 0, character};
}
constexpr KeyBinding kNone{};

constexpr ActionInfo kActions[kActionCount] = {
    {"aim_up", "Aim up", DIK_UP, false, {Place(DIK_UP), kNone}, PadControl::DpadUp},
    {"aim_down", "Aim down", DIK_DOWN, false, {Place(DIK_DOWN), kNone}, PadControl::DpadDown},
    {"aim_left", "Aim left", DIK_LEFT, false, {Place(DIK_LEFT), kNone}, PadControl::DpadLeft},
    {"aim_right", "Aim right", DIK_RIGHT, false, {Place(DIK_RIGHT), kNone}, PadControl::DpadRight},
    {"aim_fast", "Aim faster", DIK_LSHIFT, false, {Place(DIK_LSHIFT), kNone}, PadControl::LeftShoulder},
    {"red", "Red arrow", DIK_Z, false, {Place(DIK_Z), kNone}, PadControl::East},
    {"yellow", "Yellow arrow", DIK_X, false, {Place(DIK_X), kNone}, PadControl::North},
    {"blue", "Blue arrow", DIK_C, false, {Place(DIK_C), kNone}, PadControl::West},
    {"green", "Green arrow", DIK_V, false, {Place(DIK_V), kNone}, PadControl::South},
    {"refill", "Refill", DIK_SPACE, false, {Place(DIK_SPACE), kNone}, PadControl::RightShoulder},
    {"speed_on", "Arrow speed on", DIK_A, false, {Place(DIK_A), kNone}, PadControl::LeftTrigger},
    {"speed_back", "Arrow speed back", DIK_S, false, {Place(DIK_S), kNone}, PadControl::RightTrigger},
    {"confirm", "Confirm", DIK_RETURN, false, {kNone, kNone}, PadControl::Start},
    {"pause", "Pause", DIK_P, true, {Typing(U'p'), Place(DIK_PAUSE)}, PadControl::Start},
    {"help", "How to play", DIK_F1, true, {Place(DIK_F1), kNone}, PadControl::None},
    {"records", "Records", DIK_R, true, {Typing(U'r'), kNone}, PadControl::None},
    {"options", "Options", DIK_O, true, {Typing(U'o'), kNone}, PadControl::None},
    {"volume_down",
     "Volume down",
     DIK_MINUS,
     true,
     {Typing(U'-'), Place(DIK_SUBTRACT)},
     PadControl::LeftStick},
    {"volume_up", "Volume up", DIK_EQUALS, true, {Typing(U'='), Place(DIK_ADD)}, PadControl::RightStick},
    {"mute", "Sound off, on", DIK_M, true, {Typing(U'm'), kNone}, PadControl::None},
    {"full_screen", "Full screen", 0, true, {kNone, kNone}, PadControl::None},
};

}  // namespace

const ActionInfo& InfoOf(Action action) {
    return kActions[static_cast<int>(action)];
}

}  // namespace Yorun
