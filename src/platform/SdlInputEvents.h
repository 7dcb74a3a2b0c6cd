#pragma once

#include <cstdint>

namespace platform {

// What the message queue, which takes SDL's events one by one, passes on to the SDL input sources, which
// read the devices' state once a frame. The state is a snapshot: a key pressed and let go between two
// frames (a quick tap on a busy machine, a key sent by another program) would never be seen in it, so the
// sources note each press and report the key down at their next read.

// A key went down (by SDL scancode).
void NoteKeyPress(int scancode);
// The DirectInput key code of the key with this SDL scancode, or 0 for a key outside the keyboard's table.
std::uint8_t KeyCodeOf(int scancode);
// The mouse wheel turned by delta (120 a notch).
void NoteMouseWheel(std::int32_t delta);

}  // namespace platform
