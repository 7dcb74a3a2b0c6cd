#pragma once

struct SDL_Window;

namespace platform {

// What a window manager does for a window, and a program must do for itself where none runs, as on a
// virtual X server started for a kiosk or a test: nobody grants a request for full screen, and nobody moves
// the keyboard focus to a new window. The desktop's own file answers (linux/X11Desktop.cpp on X11; on a
// window system that always manages its windows, "never lacking" and nothing to do).

// True when the window is on a display that runs no window manager.
bool LacksWindowManager(SDL_Window* window);
// Moves and sizes the window over the whole of its display.
void CoverDisplay(SDL_Window* window);

// Where the system switches full screen itself rather than through SDL (a browser, where the page's own
// stage goes full screen and the picture scales within it), true; the two below then do it.
bool SwitchesFullscreenItself();
bool IsFullscreenBySystem();
void SetFullscreenBySystem(bool fullscreen);

}  // namespace platform
