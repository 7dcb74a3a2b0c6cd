#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <utility>

#include "platform/Window.h"

namespace platform {

namespace {
MessageBoxHandler installedHandler;
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    installedHandler = std::move(handler);
}

int ShowInformationBox(Window* owner, const char* caption, const char* text) {
    if (caption == nullptr) {
        caption = "";
    }
    if (text == nullptr) {
        text = "";
    }
    if (installedHandler) {
        return installedHandler(caption, text);
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    // Without a display SDL refuses at once; standard error has already carried the text.
    SDL_Window* sdlWindow = owner != nullptr ? owner->GetSdlWindow() : nullptr;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, sdlWindow);
    return IDOK;
}

}  // namespace platform
