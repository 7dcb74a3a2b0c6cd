#include "platform/desktop/WindowManager.h"

#include <emscripten.h>

namespace platform {

// The browser manages the page: full screen is the browser's to grant, and the page has the focus it has.
bool LacksWindowManager(SDL_Window* /*window*/) {
    return false;
}

void CoverDisplay(SDL_Window* /*window*/) {}

namespace {

// clang-format off
EM_JS(int, PageIsFullscreen, (), {
    return document.fullscreenElement ? 1 : 0;
});

EM_JS(void, SetPageFullscreen, (int fullscreen), {
    if (typeof Module.setFullscreen == "function") {
        Module.setFullscreen(fullscreen != 0);
    }
});
// clang-format on

}  // namespace

// The page's stage goes full screen, as its button does: SDL's own full screen would resize the canvas
// behind the page's back.
bool SwitchesFullscreenItself() {
    return true;
}

bool IsFullscreenBySystem() {
    return PageIsFullscreen() != 0;
}

void SetFullscreenBySystem(bool fullscreen) {
    SetPageFullscreen(fullscreen ? 1 : 0);
}

}  // namespace platform
