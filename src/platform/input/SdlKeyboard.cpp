#include "platform/input/SdlKeyboard.h"

#include <SDL.h>

#include "platform/input/SdlKeyCodes.h"

namespace platform {

bool SdlKeyboard::Open() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

bool SdlKeyboard::ReadHeld(std::uint8_t (&keys)[256]) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return false;
    }
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    KeyCodesHeld(state, count, keys);
    return true;
}

namespace {
SdlKeyboard sdlKeyboard;
KeyboardSource* currentKeyboard = &sdlKeyboard;
}  // namespace

KeyboardSource& GetKeyboardSource() {
    return *currentKeyboard;
}

void SetKeyboardSource(KeyboardSource* keyboard) {
    currentKeyboard = keyboard != nullptr ? keyboard : &sdlKeyboard;
}

}  // namespace platform
