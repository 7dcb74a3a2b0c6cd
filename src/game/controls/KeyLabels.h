#pragma once

#include <string>
#include <string_view>

#include "game/controls/BoundKeys.h"

namespace Yorun {

// What the screens call the keys and pad controls bound to the actions: each key by what its cap says in
// the layout in force ("W" where a French keyboard has its Z, "Shift", "Pause"), each control by the name
// its pad's family gives it (B, Circle, A…), by its place where the family is not known.
class CKeyLabels {
public:
    explicit CKeyLabels(CBoundKeys& keys) : keys(keys) {}

    // The cap of the key a binding is read at; empty for none.
    std::string Of(const KeyBinding& binding);
    // The cap of the key in an action's slot.
    std::string Of(Action action, int slot);
    // The action's first key, or its second when it has no first; empty for none.
    std::string First(Action action);
    // All the action's keys, between each two the text given.
    std::string All(Action action, std::string_view between);
    // The action's pad control, named for the pad in use (a pad like the ones the game was made with
    // before any is seen).
    std::string Pad(Action action);

    static std::string PadName(PadControl control, platform::PadState::Family family);

private:
    std::string CapAt(std::uint8_t place, const KeyBinding& binding);

    CBoundKeys& keys;
};

}  // namespace Yorun
