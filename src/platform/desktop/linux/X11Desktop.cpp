#include "platform/desktop/linux/X11Desktop.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "platform/desktop/WindowManager.h"

namespace platform {

namespace {

bool GetX11(SDL_Window* window, Display*& display, ::Window& id) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) == SDL_FALSE ||
        info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    display = info.info.x11.display;
    id = info.info.x11.window;
    return true;
}

}  // namespace

bool LacksWindowManager(SDL_Window* window) {
    Display* display = nullptr;
    ::Window id = 0;
    if (!GetX11(window, display, id)) {
        return false;
    }
    // A window manager that follows the desktop conventions names its check window on the root.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return true;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &remaining, &data);
    const bool named = status == Success && type == XA_WINDOW && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return !named;
}

void CoverDisplay(SDL_Window* window) {
    Display* display = nullptr;
    ::Window id = 0;
    SDL_Rect bounds;
    if (!GetX11(window, display, id) ||
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) != 0) {
        return;
    }
    XMoveResizeWindow(display, id, bounds.x, bounds.y, static_cast<unsigned>(bounds.w),
                      static_cast<unsigned>(bounds.h));
    XRaiseWindow(display, id);
    XFlush(display);
}

unsigned long X11WindowId(SDL_Window* window) {
    Display* display = nullptr;
    ::Window id = 0;
    return GetX11(window, display, id) ? id : 0;
}

// SDL asks the window manager, or the program covers the display itself (CoverDisplay).
bool SwitchesFullscreenItself() {
    return false;
}

bool IsFullscreenBySystem() {
    return false;
}

void SetFullscreenBySystem(bool /*fullscreen*/) {}

}  // namespace platform
