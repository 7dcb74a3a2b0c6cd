#include "platform/Window.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/GameControllers.h"

namespace platform {

namespace {
int videoState = 0;  // 0 not tried, 1 running, -1 failed
}

namespace {

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

}  // namespace

bool InitVideo() {
    if (videoState == 0) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            videoState = -1;
            std::fprintf(stderr, "Yorun: cannot open the display: %s\n", SDL_GetError());
        } else if (ShowsNothing(SDL_GetCurrentVideoDriver())) {
            videoState = -1;
            SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
            std::fprintf(
                stderr,
                "Yorun: cannot open the display: no X11 or Wayland display can be reached (is DISPLAY "
                "set?).\nRun it from a desktop session, or under a virtual X server: xvfb-run -a yorun\n");
        } else {
            videoState = 1;
        }
    }
    return videoState == 1;
}

void ShutdownVideo() {
    if (TTF_WasInit() != 0) {
        TTF_Quit();
    }
    GameControllers::CloseAll();
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
    if (!InitVideo()) {
        return nullptr;
    }
    SDL_Window* window =
        SDL_CreateWindow(title != nullptr ? title : "", x, y, clientWidth, clientHeight,
                         SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) {
        std::fprintf(stderr, "Yorun: cannot create the window: %s\n", SDL_GetError());
        return nullptr;
    }
    // Pads plugged in before the window existed arrive as events once the subsystem starts.
    GameControllers::Init();
    return new Window(window);
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
    return SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0;
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
