#include "platform/video/Window.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/desktop/WindowManager.h"
#include "platform/system/ErrorOutput.h"
#include "platform/video/Video.h"

namespace platform {

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
    return new Window(window);
}

Window::~Window() {
    SDL_DestroyWindow(window);
}

void Window::SetTitle(const char* title) {
    SDL_SetWindowTitle(window, title != nullptr ? title : "");
}

bool Window::SetIcon(const char* path) {
    SDL_Surface* icon = path != nullptr ? IMG_Load(path) : nullptr;
    if (icon == nullptr) {
        return false;
    }
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
    return true;
}

void Window::Show() {
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
}

bool Window::SetFullscreen(bool fullscreen) {
    if (fullscreen == IsFullscreen()) {
        return true;
    }
    if (SwitchesFullscreenItself()) {
        SetFullscreenBySystem(fullscreen);
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
    if (fullscreen && LacksWindowManager(window)) {
        CoverDisplay(window);
    }
    // Back in a window, it gets its size and place back; a window manager left to itself would put it
    // wherever its placement policy says.
    if (!fullscreen && windowedWidth > 0 && windowedHeight > 0) {
        SDL_SetWindowSize(window, windowedWidth, windowedHeight);
        SDL_SetWindowPosition(window, windowedX, windowedY);
    }
    return true;
}

bool Window::IsFullscreen() const {
    if (SwitchesFullscreenItself()) {
        return IsFullscreenBySystem();
    }
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

void Window::SetMinimumSize(int width, int height) {
    SDL_SetWindowMinimumSize(window, width, height);
}

void Window::GetClientSize(int& width, int& height) const {
    SDL_GetWindowSize(window, &width, &height);
}

WindowId Window::GetId() const {
    return SDL_GetWindowID(window);
}

}  // namespace platform
