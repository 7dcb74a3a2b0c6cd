#include "platform/desktop/WindowManager.h"

namespace platform {

// The browser manages the page: full screen is the browser's to grant, and the page has the focus it has.
bool LacksWindowManager(SDL_Window* /*window*/) {
    return false;
}

void CoverDisplay(SDL_Window* /*window*/) {}

}  // namespace platform
