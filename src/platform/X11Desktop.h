#pragma once

struct SDL_Window;

namespace platform {

// What a program must do for itself on an X server that no window manager looks after, as under a virtual
// server started for a kiosk or a test: nobody grants a request for full screen, and nobody moves the
// keyboard focus to a new window. Each call does nothing for a window that is not on X11.
class X11Desktop {
public:
    // True when the window is on an X server that runs no window manager.
    static bool LacksWindowManager(SDL_Window* window);
    // Moves and sizes the window over the whole of its display.
    static void CoverDisplay(SDL_Window* window);
    // The X window's id, or 0.
    static unsigned long WindowId(SDL_Window* window);
};

}  // namespace platform
