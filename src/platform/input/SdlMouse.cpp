#include "platform/input/SdlMouse.h"

#include <SDL.h>

namespace platform {

bool SdlMouse::Open() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

bool SdlMouse::ReadHeld(MouseState& state) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return false;
    }
    int dx = 0;
    int dy = 0;
    const Uint32 buttons = SDL_GetRelativeMouseState(&dx, &dy);
    state = MouseState{};
    state.x = dx;
    state.y = dy;
    for (int button = 0; button < 5; ++button) {
        state.buttons[button] = (buttons & SDL_BUTTON(button + 1)) != 0 ? 0x80 : 0;
    }
    return true;
}

namespace {
SdlMouse sdlMouse;
MouseSource* currentMouse = &sdlMouse;
}  // namespace

MouseSource& GetMouseSource() {
    return *currentMouse;
}

void SetMouseSource(MouseSource* mouse) {
    currentMouse = mouse != nullptr ? mouse : &sdlMouse;
}

}  // namespace platform
