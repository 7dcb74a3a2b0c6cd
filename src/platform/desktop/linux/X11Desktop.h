#pragma once

struct SDL_Window;

namespace platform {

// The X11 window behind an SDL window, for the pieces that talk to the X server themselves.

// The X window's id, or 0 when the window is not on X11.
unsigned long X11WindowId(SDL_Window* window);

}  // namespace platform
