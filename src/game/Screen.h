#pragma once

namespace platform {
class Window;
}  // namespace platform

namespace Yorun {

// The client area the game lays itself out in: the application's width and height (800 × 600).
int ScreenWidth();
int ScreenHeight();

// The frame's elapsed time in seconds, as the frame timer measured it.
float FrameSeconds();

// The main window, or null where there is none (a test's game).
platform::Window* MainWindow();

// Makes the directory beside the executable's own directory current ("mato_bmp", "mato_snd").
void EnterDataDirectory(const char* name);

}  // namespace Yorun
