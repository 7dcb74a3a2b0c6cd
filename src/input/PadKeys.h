#pragma once

#include <cstdint>

#include "platform/input/PadState.h"

namespace Corvane {

// The game pads play through the keyboard: each control presses the key the game already knows, so a pad
// needs nothing of its own in the game. Sets bit 7 of the keys the pad holds and leaves the others as they
// are, so a keyboard and any number of pads combine.
//   stick and d-pad: arrows    left shoulder: left Shift (aim twice as fast)
//   east (B): Z, red   north (Y): X, yellow   west (X): C, blue   south (A): V, green
//   right shoulder: Space (refill)   left / right trigger: A / S (arrow speed)   Start: Return
//   left / right stick pressed in: − / + (the volume)
// Back is not a key: it quits, as Escape does (the window procedure's WM_PADBUTTONDOWN).
void AddPadKeys(const platform::PadState& pad, std::uint8_t (&keys)[256]);

}  // namespace Corvane
