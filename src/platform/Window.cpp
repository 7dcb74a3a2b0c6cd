#include "platform/Window.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <cstring>

#include "platform/ErrorOutput.h"
#include "platform/GameControllers.h"
#include "platform/TerminationSignals.h"
#include "platform/X11Desktop.h"

namespace platform {

namespace {

int videoState = 0;  // 0 not tried, 1 running, -1 failed

// With no display SDL falls back to drivers that show nothing; the game would then run unseen. Those are
// taken only when asked for by name (as the tests do).
bool ShowsNothing(const char* driver) {
    if (driver == nullptr) {
        return true;
    }
    const bool invisible = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return invisible && (requested == nullptr || std::strcmp(requested, driver) != 0);
}

const char* Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

// Says why no display could be used: none was named, or the one named does not answer.
void ReportNoDisplay() {
    const char* x11 = Named("DISPLAY");
    const char* wayland = Named("WAYLAND_DISPLAY");
    if (x11 == nullptr && wayland == nullptr) {
        PrintError("cannot open the display: none is set (DISPLAY and WAYLAND_DISPLAY are empty).");
    } else if (wayland == nullptr) {
        PrintError("cannot open the display: nothing answers at DISPLAY=%.64s.", x11);
    } else if (x11 == nullptr) {
        PrintError("cannot open the display: nothing answers at WAYLAND_DISPLAY=%.64s.", wayland);
    } else {
        PrintError("cannot open the display: nothing answers at DISPLAY=%.64s or WAYLAND_DISPLAY=%.64s.", x11,
                   wayland);
    }
}

// Starts video once; later calls report the first result.
bool StartVideo() {
    if (videoState == 0) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            videoState = -1;
            PrintError("cannot open the display: %s", SDL_GetError());
        } else if (ShowsNothing(SDL_GetCurrentVideoDriver())) {
            videoState = -1;
            SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
            ReportNoDisplay();
        } else {
            videoState = 1;
            TerminationSignals::Watch();
        }
    }
    return videoState == 1;
}

}  // namespace

bool InitVideo(const char* programName) {
    SetProgramName(programName);
    return StartVideo();
}

void ShutdownVideo() {
    if (TTF_WasInit() != 0) {
        TTF_Quit();
    }
    GameControllers::CloseAll();
    TerminationSignals::StopWatching();
    SDL_Quit();
    videoState = 0;
}

Rect GetDesktopRect() {
    Rect rect;
    SDL_Rect bounds;
    if (videoState == 1 && SDL_GetDisplayBounds(0, &bounds) == 0) {
        rect.left = bounds.x;
        rect.top = bounds.y;
        rect.right = bounds.x + bounds.w;
        rect.bottom = bounds.y + bounds.h;
    }
    return rect;
}

void GetSdlVersion(int& major, int& minor, int& patch) {
    SDL_version version;
    SDL_GetVersion(&version);
    major = version.major;
    minor = version.minor;
    patch = version.patch;
}

Window* Window::Create(const char* title, int x, int y, int clientWidth, int clientHeight) {
    if (!StartVideo()) {
        return nullptr;
    }
    SDL_Window* window =
        SDL_CreateWindow(title != nullptr ? title : "", x, y, clientWidth, clientHeight,
                         SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) {
        PrintError("cannot create the window: %s", SDL_GetError());
        return nullptr;
    }
    // Pads plugged in before the window existed arrive as events once the subsystem starts.
    GameControllers::Init();
    auto* created = new Window(window);
    SDL_SetWindowData(window, kWindowKey, created);
    return created;
}

Window* Window::FromId(std::uint32_t id) {
    SDL_Window* window = SDL_GetWindowFromID(id);
    return window != nullptr ? static_cast<Window*>(SDL_GetWindowData(window, kWindowKey)) : nullptr;
}

Window::~Window() {
    SDL_DestroyWindow(window);
}

void Window::SetTitle(const char* title) {
    SDL_SetWindowTitle(window, title != nullptr ? title : "");
}

void Window::Show() {
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
}

bool Window::SetFullscreen(bool fullscreen) {
    if (fullscreen == IsFullscreen()) {
        return true;
    }
    if (fullscreen) {
        SDL_GetWindowPosition(window, &windowedX, &windowedY);
        SDL_GetWindowSize(window, &windowedWidth, &windowedHeight);
    }
    if (SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        PrintError("cannot switch full screen: %s", SDL_GetError());
        return false;
    }
    // Full screen is a request to the window manager. With none, nobody grants it: the window would keep
    // its place and size while the picture is scaled for the whole display, and be cut off. The window is
    // moved over the display and given its place and size back afterwards by hand.
    const bool unmanaged = X11Desktop::LacksWindowManager(window);
    if (fullscreen && unmanaged) {
        X11Desktop::CoverDisplay(window);
    }
    if (!fullscreen && windowedWidth > 0 && windowedHeight > 0) {
        SDL_SetWindowSize(window, windowedWidth, windowedHeight);
        if (unmanaged) {
            SDL_SetWindowPosition(window, windowedX, windowedY);
        }
    }
    return true;
}

bool Window::IsFullscreen() const {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

void Window::GetClientSize(int& width, int& height) const {
    SDL_GetWindowSize(window, &width, &height);
}

std::uint32_t Window::GetId() const {
    return SDL_GetWindowID(window);
}

}  // namespace platform
