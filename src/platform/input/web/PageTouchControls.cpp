#include <emscripten.h>

#include "platform/input/TouchControls.h"

// The page's touch controls: a control put down (down 1) or let go (down 0), by its action's name.
extern "C" EMSCRIPTEN_KEEPALIVE void yorun_touch_control(const char* name, int down) {
    if (name == nullptr) {
        return;
    }
    if (down != 0) {
        platform::GetTouchControls().Press(name);
    } else {
        platform::GetTouchControls().Release(name);
    }
}

// The page hid its controls: whatever they held is let go.
extern "C" EMSCRIPTEN_KEEPALIVE void yorun_touch_release_all() {
    platform::GetTouchControls().ReleaseAll();
}

// The page showed its controls (shown 1), or put them away for a key or a pad (shown 0).
extern "C" EMSCRIPTEN_KEEPALIVE void yorun_touch_shown(int shown) {
    platform::GetTouchControls().SetShown(shown != 0);
}

// 1 when the player aims with the left thumb, as the settings say; the page asks while it shows its controls.
extern "C" EMSCRIPTEN_KEEPALIVE int yorun_touch_left_handed() {
    return platform::GetTouchControls().LeftHanded() ? 1 : 0;
}
