#pragma once

namespace Yorun {

// The input object's keys as the game asks for them, false when there is no input object.
// Pressed this frame, or repeating while held (for moving through a list).
bool KeyTriggered(int key);
// Pressed this frame and not held the frame before: a held key's repeats are not new presses (for a switch
// that a repeat would flip back).
bool KeyNewlyPressed(int key);

// Where the pointer is over the picture, in its pixels; false when it is elsewhere (or there is no mouse).
bool PointerAt(int& x, int& y);
// The pointer moved since the last update, or its left button went down in this one.
bool PointerMoved();
bool PointerClicked();

// The player is using the page's touch controls: the screens name what to touch, not which key to press.
bool ByTouch();

}  // namespace Yorun
