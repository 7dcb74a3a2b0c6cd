#pragma once

#include <cstdint>

namespace platform {

// Key presses seen as events since the keyboard was last read. The keyboard is read as a snapshot once a
// frame, so a key pressed and let go between two frames (a quick tap on a busy machine, a key sent by
// another program) would never be seen; the next read reports every latched key as down, once.

// A press of the key with this SDL scancode.
void LatchScancode(int scancode);
// A press of the key with this DirectInput key code.
void LatchKey(std::uint8_t code);
// The Enter of an Alt+Enter chord went down: the keyboard reports Enter as up until it is let go.
void HideChordEnter();

}  // namespace platform
