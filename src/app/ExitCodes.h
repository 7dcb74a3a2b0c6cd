#pragma once

namespace Corvane {

// What the program tells whoever started it when it ends. A script can tell a quit from a failed start,
// and a failed start for want of a display from one for want of the game's own files.
enum ExitCode : int {
    EXIT_CODE_QUIT = 0,          // the player quit (Escape, the window closed, the menu's quit)
    EXIT_CODE_NO_START = 1,      // no display, or the window, graphics device or input could not be made
    EXIT_CODE_NO_GAME_DATA = 2,  // the game could not load what it needs to start (its pictures)
};

}  // namespace Corvane
