#include "platform/input/SdlPads.h"

#include <SDL.h>

#include <algorithm>

#include "platform/system/ErrorOutput.h"

namespace platform {

namespace {

constexpr SDL_GameControllerButton kButtons[PadState::ButtonCount] = {
    SDL_CONTROLLER_BUTTON_A,
    SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_BACK,
    SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT,
    SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
};

PadState::Family FamilyOf(SDL_GameController* controller) {
    switch (SDL_GameControllerGetType(controller)) {
        case SDL_CONTROLLER_TYPE_XBOX360:
        case SDL_CONTROLLER_TYPE_XBOXONE:
            return PadState::Xbox;
        case SDL_CONTROLLER_TYPE_PS3:
        case SDL_CONTROLLER_TYPE_PS4:
        case SDL_CONTROLLER_TYPE_PS5:
            return PadState::PlayStation;
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
            return PadState::Nintendo;
        default:
            return PadState::Generic;
    }
}

PadState ReadPad(SDL_GameController* controller, std::int32_t id) {
    PadState state;
    state.id = id;
    state.family = FamilyOf(controller);
    for (int button = 0; button < PadState::ButtonCount; ++button) {
        state.buttons[button] = SDL_GameControllerGetButton(controller, kButtons[button]) != 0;
    }
    state.leftX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
    state.leftTrigger = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    state.rightTrigger = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    return state;
}

}  // namespace

bool SdlPads::Start() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
        return true;
    }
    // Buttons by their place on every pad: SDL would otherwise swap a Nintendo pad's to match their letters,
    // and the button in the south would then be the one in the east.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        PrintError("game controllers are unavailable: %s", SDL_GetError());
        return false;
    }
    return true;
}

PadState::Button SdlPads::ButtonOf(int sdlButton) {
    const auto* found = std::find(std::begin(kButtons), std::end(kButtons), sdlButton);
    return static_cast<PadState::Button>(found - std::begin(kButtons));
}

bool SdlPads::IsOpen(std::int32_t id) const {
    return std::find(open.begin(), open.end(), id) != open.end();
}

void SdlPads::OpenArrivals() {
    const int attached = SDL_NumJoysticks();
    for (int index = 0; index < attached; ++index) {
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
        if (id < 0 || IsOpen(id) || SDL_IsGameController(index) == SDL_FALSE) {
            continue;
        }
        const auto slot = std::find(open.begin(), open.end(), kNone);
        if (slot == open.end()) {
            return;
        }
        if (SDL_GameControllerOpen(index) != nullptr) {
            *slot = id;
        }
    }
}

int SdlPads::Read(PadState* pads, int capacity) {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) {
        open.fill(kNone);
        return 0;
    }
    OpenArrivals();
    int count = 0;
    for (std::int32_t& id : open) {
        if (id == kNone) {
            continue;
        }
        SDL_GameController* controller = SDL_GameControllerFromInstanceID(id);
        if (controller == nullptr || SDL_GameControllerGetAttached(controller) == SDL_FALSE) {
            if (controller != nullptr) {
                SDL_GameControllerClose(controller);
            }
            id = kNone;
            continue;
        }
        if (count < capacity) {
            pads[count++] = ReadPad(controller, id);
        }
    }
    return count;
}

void SdlPads::CloseAll() {
    for (std::int32_t& id : open) {
        if (id != kNone && SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
            if (SDL_GameController* controller = SDL_GameControllerFromInstanceID(id)) {
                SDL_GameControllerClose(controller);
            }
        }
        id = kNone;
    }
}

}  // namespace platform
