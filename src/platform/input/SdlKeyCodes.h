#pragma once

#include <cstdint>

namespace platform {

// The DirectInput key code of the key with this SDL scancode, or 0 for a key outside the keyboard's table:
// every key of a standard 105-key keyboard is in it. The one translation between SDL's keys and the codes
// the game reads, for the keyboard's state and for the message queue's key messages alike.
std::uint8_t KeyCodeOf(int scancode);
// The SDL scancode of the key with this DirectInput key code, 0 (SDL's unknown key) for a code no key has.
int ScancodeOf(std::uint8_t code);
// The character an SDL key code stands for, or 0 for a key that types none (SDL's keys without a
// character, the control characters and Space).
char32_t CharacterOfKey(std::int32_t key);

// Sets bit 7 of every key code whose key is down in SDL's keyboard state (indexed by scancode, count
// entries) and clears the rest.
void KeyCodesHeld(const std::uint8_t* state, int count, std::uint8_t (&keys)[256]);

}  // namespace platform
