#include "platform/input/InputMethod.h"

#include <SDL.h>

namespace platform {

void StopTextInput() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_StopTextInput();
    }
}

void StartTextInput() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_StartTextInput();
    }
}

bool IsTextInputActive() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_IsTextInputActive() == SDL_TRUE;
}

}  // namespace platform
