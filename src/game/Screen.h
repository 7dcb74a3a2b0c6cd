#pragma once

namespace Yorun {

// The client area the game lays itself out in: the application's width and height (800 × 600).
int ScreenWidth();
int ScreenHeight();

// The frame's elapsed time in seconds, as the frame timer measured it.
float FrameSeconds();

// Makes the directory beside the executable's own directory current ("mato_bmp", "mato_snd").
void EnterDataDirectory(const char* name);

}  // namespace Yorun
