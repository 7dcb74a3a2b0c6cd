#include "platform/video/Video.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <cstring>

#include "platform/events/TerminationSignals.h"
#include "platform/system/ErrorOutput.h"

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

}  // namespace

bool StartVideo() {
    if (videoState == 0) {
        // In a page the frame loop hands the browser its thread at each animation frame (FrameGate). SDL's
        // own hand-back after each picture shown would only delay the frame, through functions the page's
        // build does not prepare for it. Only SDL's page backend reads this hint.
        SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
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

void SetApplicationId(const char* id) {
    // SDL reads these from the environment when it makes a window.
    setenv("SDL_VIDEO_X11_WMCLASS", id, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", id, 0);
}

bool InitVideo(const char* programName) {
    SetProgramName(programName);
    return StartVideo();
}

void ShutdownVideo() {
    if (TTF_WasInit() != 0) {
        TTF_Quit();
    }
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

}  // namespace platform
