#pragma once

#include <string>
#include <string_view>

#include "game/controls/Bindings.h"

namespace Yorun {

// The bindings in the settings file's [controls] section, one line an action and one for its pad control:
//
//   [controls]
//   version = 1
//   red = Z                      # places, named as a US keyboard prints them; two at most
//   red_pad = east               # south, east, west, north, start, left_shoulder … right_trigger, none
//   mute = M                     # a shortcut: the key that types M, wherever the layout has it
//   volume_down = Minus, Keypad Minus
//
// The version this game writes; a file of a later one is read for what this one knows.
constexpr int kBindingsVersion = 1;

enum class BindingEntry {
    Read,     // taken into the bindings
    Damaged,  // an action's, with a value that does not name keys (the problem says why)
    Unknown,  // no entry of this version's
};

// Reads one `key = value` of the section into the bindings.
BindingEntry ReadBindingEntry(std::string_view key, std::string_view value, Bindings& bindings,
                              std::string& problem);
// The section's lines, its header included.
std::string BindingsText(const Bindings& bindings);
// A key that a hand-edited file gave two actions stays with the first of them, and the other gets its own
// key back where no action has that, or none; the problems say which.
void DropSharedKeys(Bindings& bindings, std::string& problems);

}  // namespace Yorun
