#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/controls/Action.h"

namespace Yorun {

// The keys and the pad control of every action, as the player set them: two keys and one control each.
// A key or a control belongs to one action at a time (the pad's Start excepted as the game comes: it
// confirms in the menus and pauses in play, where nothing is to be confirmed). Escape, Enter and Backspace
// keep their meaning (quit, confirm, cancel) and are never bound.
struct Bindings {
    static constexpr int kKeysPerAction = 2;

    struct Entry {
        std::array<KeyBinding, kKeysPerAction> keys{};
        PadControl pad = PadControl::None;
        bool operator==(const Entry& other) const = default;
    };

    // What one binding took from another action, to be said on the screen.
    struct Swap {
        Action from = Action::Count;  // the action that had the key; Count when no other had it
        Action to = Action::Count;    // the action that got what the rebound one had, Count for none
    };

    Bindings();

    const Entry& Of(Action action) const { return entries[static_cast<int>(action)]; }
    // Where a binding is read now (CBoundKeys::PlaceOf): a letter bound by its place and the same letter
    // bound by what it types are one key.
    using PlaceFinder = std::function<std::uint8_t(const KeyBinding&)>;

    // Binds the key to the action's slot. An action that had the same key gets the action's old key of that
    // slot in its place, so no key is lost and none does two things.
    Swap BindKey(Action action, int slot, const KeyBinding& key, const PlaceFinder& placeOf = {});
    Swap BindPad(Action action, PadControl control);
    void Reset(Action action);
    void ResetAll();
    // Every binding as the game comes.
    bool IsDefault() const;

    // True for the keys no action may take.
    static bool IsReserved(const KeyBinding& key);

    bool operator==(const Bindings& other) const = default;

    std::array<Entry, kActionCount> entries{};
};

}  // namespace Yorun
