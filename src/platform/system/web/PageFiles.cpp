#include <emscripten.h>

#include "platform/system/HandedFiles.h"

// The page hands the game a file it has put in the page's file system: a replay the player chose or dropped.
// The game takes it at its next update, as it would a file dropped on its window.
extern "C" EMSCRIPTEN_KEEPALIVE void yorun_hand_file(const char* path) {
    if (path != nullptr) {
        platform::HandFile(path);
    }
}
