#pragma once

#include <cstdint>

#include "platform/system/Types.h"

struct SDL_Window;

namespace platform {

// The main window: created hidden with the given client-area size at the given client position, shown by
// Show. SDL sizes windows by their client area, so no frame arithmetic is needed.
class Window {
public:
    static Window* Create(const char* title, int x, int y, int clientWidth, int clientHeight);
    ~Window();

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void SetTitle(const char* title);
    // The window's icon, from a PNG file; false when it cannot be read (the window keeps the desktop's
    // default icon).
    bool SetIcon(const char* path);
    void Show();
    // Desktop full screen keeps the desktop's mode; the renderer's logical size keeps the picture's shape.
    // Leaving it gives the window back the size (and, with no window manager, the place) it had before.
    // A failure is reported on standard error.
    bool SetFullscreen(bool fullscreen);
    bool IsFullscreen() const;
    void GetClientSize(int& width, int& height) const;
    // The smallest client area the player can size the window to.
    void SetMinimumSize(int width, int height);
    // Whole-number scaling of the picture, read when the device is created for this window: sharp pixels
    // at 2x and 3x, wider bars in between. Off, the picture is scaled smoothly to fill the window.
    void SetIntegerScale(bool on) { integerScale = on; }
    bool WantsIntegerScale() const { return integerScale; }
    // The window as the platform names it to message boxes and the sound device.
    WindowId GetId() const;

    SDL_Window* GetSdlWindow() const { return window; }

private:
    explicit Window(SDL_Window* window) : window(window) {}

    SDL_Window* window;
    bool integerScale = false;
    // The window's place and size before it went full screen.
    int windowedX = 0;
    int windowedY = 0;
    int windowedWidth = 0;
    int windowedHeight = 0;
};

}  // namespace platform
