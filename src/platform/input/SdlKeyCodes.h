#pragma once

#include <cstdint>

namespace platform {

// The DirectInput key code of the key with this SDL scancode, or 0 for a key outside the keyboard's table:
// every key of a standard 105-key keyboard is in it. The one translation between SDL's keys and the codes
// the game reads, for the keyboard's state and for the message queue's key messages alike.
std::uint8_t KeyCodeOf(int scancode);

// Sets bit 7 of every key code whose key is down in SDL's keyboard state (indexed by scancode, count
// entries) and clears the rest.
void KeyCodesHeld(const std::uint8_t* state, int count, std::uint8_t (&keys)[256]);

}  // namespace platform
