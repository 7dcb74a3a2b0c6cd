#pragma once

namespace Yorun {

// The input object's keys as the game asks for them, false when there is no input object.
// Pressed this frame, or repeating while held (for moving through a list).
bool KeyTriggered(int key);
// Pressed this frame and not held the frame before: a held key's repeats are not new presses (for a switch
// that a repeat would flip back).
bool KeyNewlyPressed(int key);

}  // namespace Yorun
