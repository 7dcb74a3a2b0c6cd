#include "game/controls/Bindings.h"

#include "platform/input/KeyCodes.h"

namespace Yorun {

namespace {

Bindings::Entry DefaultOf(Action action) {
    const ActionInfo& info = InfoOf(action);
    Bindings::Entry entry;
    entry.keys = {info.keys[0], info.keys[1]};
    entry.pad = info.pad;
    return entry;
}

}  // namespace

Bindings::Bindings() {
    ResetAll();
}

bool Bindings::IsReserved(const KeyBinding& key) {
    if (key.kind != KeyBinding::Kind::Place) {
        return false;
    }
    return key.code == platform::DIK_ESCAPE || key.code == platform::DIK_RETURN ||
           key.code == platform::DIK_BACK;
}

Bindings::Swap Bindings::BindKey(Action action, int slot, const KeyBinding& key, const PlaceFinder& placeOf) {
    Swap swap;
    Entry& entry = entries[static_cast<int>(action)];
    if (slot < 0 || slot >= kKeysPerAction || IsReserved(key) || entry.keys[slot] == key) {
        return swap;
    }
    const KeyBinding old = entry.keys[slot];
    for (int other = 0; other < kActionCount && !key.IsNone(); ++other) {
        for (KeyBinding& held : entries[other].keys) {
            const bool same = held == key || (placeOf && !held.IsNone() && placeOf(held) != 0 &&
                                              placeOf(held) == placeOf(key));
            if (same && &held != &entry.keys[slot]) {
                held = other == static_cast<int>(action) ? KeyBinding{} : old;
                if (other != static_cast<int>(action)) {
                    swap.from = static_cast<Action>(other);
                    swap.to = old.IsNone() ? Action::Count : static_cast<Action>(other);
                }
            }
        }
    }
    entry.keys[slot] = key;
    return swap;
}

Bindings::Swap Bindings::BindPad(Action action, PadControl control) {
    Swap swap;
    Entry& entry = entries[static_cast<int>(action)];
    if (entry.pad == control) {
        return swap;
    }
    const PadControl old = entry.pad;
    for (int other = 0; other < kActionCount && control != PadControl::None; ++other) {
        if (other != static_cast<int>(action) && entries[other].pad == control) {
            entries[other].pad = old;
            swap.from = static_cast<Action>(other);
            swap.to = old == PadControl::None ? Action::Count : static_cast<Action>(other);
        }
    }
    entry.pad = control;
    return swap;
}

void Bindings::Reset(Action action) {
    const Entry defaults = DefaultOf(action);
    for (int slot = 0; slot < kKeysPerAction; ++slot) {
        BindKey(action, slot, defaults.keys[slot]);
    }
    // A control two actions share as the game comes (Start) goes back to being shared.
    Entry& entry = entries[static_cast<int>(action)];
    const PadControl old = entry.pad;
    for (int other = 0; other < kActionCount && defaults.pad != PadControl::None; ++other) {
        if (other != static_cast<int>(action) && entries[other].pad == defaults.pad &&
            DefaultOf(static_cast<Action>(other)).pad != defaults.pad) {
            entries[other].pad = old;
        }
    }
    entry.pad = defaults.pad;
}

void Bindings::ResetAll() {
    for (int action = 0; action < kActionCount; ++action) {
        entries[action] = DefaultOf(static_cast<Action>(action));
    }
}

bool Bindings::IsDefault() const {
    return *this == Bindings();
}

}  // namespace Yorun
