#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/controls/KeyBinding.h"

namespace Yorun {

// The names of keys and pad controls in the settings file, chosen here and kept: the same on every system
// and with any SDL. A place is named by what a US keyboard prints there, in words for the punctuation
// ("Z", "Left Shift", "Minus", "Keypad Plus"); a character by itself for a letter or a digit, by the same
// words for the punctuation of a US keyboard, and as U+ and four hex digits for any other ("U+00E9").

// The place's name; empty for a code no key has.
std::string_view PlaceName(std::uint8_t code);
// 0 for a name that is no place's.
std::uint8_t PlaceNamed(std::string_view name);
// Whether the key at this place types a character on some layout (the letters, digits and punctuation):
// only those move from layout to layout.
bool TypesACharacter(std::uint8_t code);
// The place that types this character on a US keyboard, 0 for none.
std::uint8_t UsPlaceOf(char32_t character);

std::string CharacterName(char32_t character);
// 0 for a name that is no character's.
char32_t CharacterNamed(std::string_view name);

// A key binding as the file writes it, and read back: a place by its name, a character by its; for a
// binding that may be either, a character's name is tried first.
std::string BindingName(const KeyBinding& binding);
KeyBinding BindingNamed(std::string_view name, bool characters);

std::string_view PadControlName(PadControl control);
// Empty name: none. False for a name that is no control's.
bool PadControlNamed(std::string_view name, PadControl& control);

// The character as a key's cap shows it: letters in capitals, as UTF-8.
std::string CapText(char32_t character);

}  // namespace Yorun
