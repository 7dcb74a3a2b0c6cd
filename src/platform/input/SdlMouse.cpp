#include "platform/input/SdlMouse.h"

#include <SDL.h>

namespace platform {

namespace {

// The window's renderer scales the picture to the window between bars: the pointer is found in the
// picture's pixels through it.
void ReadPointer(MouseState& state) {
    SDL_Window* window = SDL_GetMouseFocus();
    SDL_Renderer* renderer = window != nullptr ? SDL_GetRenderer(window) : nullptr;
    if (renderer == nullptr) {
        return;
    }
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&windowX, &windowY);
    float pictureX = 0.0f;
    float pictureY = 0.0f;
    SDL_RenderWindowToLogical(renderer, windowX, windowY, &pictureX, &pictureY);
    int width = 0;
    int height = 0;
    SDL_RenderGetLogicalSize(renderer, &width, &height);
    if (pictureX >= 0.0f && pictureY >= 0.0f && pictureX < static_cast<float>(width) &&
        pictureY < static_cast<float>(height)) {
        state.pointerX = static_cast<std::int32_t>(pictureX);
        state.pointerY = static_cast<std::int32_t>(pictureY);
    }
}

}  // namespace

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
    ReadPointer(state);
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
