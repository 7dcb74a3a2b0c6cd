#pragma once

#include <cstdint>

#include "game/controls/KeyBinding.h"

namespace Yorun {

// Everything a player does with a key or a pad's button. Each action presses one of the key codes the game
// has always read, from whichever keys and button the player bound to it: the rules and the replays see
// only those codes.
enum class Action : std::uint8_t {
    AimUp,
    AimDown,
    AimLeft,
    AimRight,
    AimFast,
    Red,
    Yellow,
    Blue,
    Green,
    Refill,
    SpeedOn,    // the arrow speed's next step
    SpeedBack,  // and the one before
    Confirm,
    Pause,
    Help,
    Records,
    Options,
    VolumeDown,
    VolumeUp,
    Mute,
    FullScreen,
    Count
};

constexpr int kActionCount = static_cast<int>(Action::Count);

struct ActionInfo {
    const char* fileName;  // its key in the settings file
    const char* name;      // what the controls list calls it
    // The key code the action presses; 0 for one the game acts on itself (full screen).
    std::uint8_t presses;
    // A shortcut follows the key's label: M mutes wherever the key says M. Play actions and the menus'
    // keys stay where the hands are, whatever the keys say.
    bool byLabel;
    KeyBinding keys[2];  // as the game comes
    PadControl pad;
};

const ActionInfo& InfoOf(Action action);

}  // namespace Yorun
