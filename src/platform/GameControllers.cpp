#include "platform/GameControllers.h"

#include <SDL.h>

#include <array>

#include "platform/ErrorOutput.h"

namespace platform {

namespace {

constexpr std::size_t kSlots = 16;

struct Pad {
    SDL_GameController* controller = nullptr;
    // Buttons that went down since the last read.
    bool pressed[PadState::ButtonCount] = {};
};

std::array<Pad, kSlots> pads{};

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
};

std::int32_t InstanceOf(SDL_GameController* controller) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
}

PadState ReadPad(Pad& pad) {
    PadState state;
    for (int button = 0; button < PadState::ButtonCount; ++button) {
        state.buttons[button] =
            pad.pressed[button] || SDL_GameControllerGetButton(pad.controller, kButtons[button]) != 0;
        pad.pressed[button] = false;
    }
    state.leftX = SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTY);
    state.leftTrigger = SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    state.rightTrigger = SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    return state;
}

}  // namespace

bool GameControllers::Init() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
        return true;
    }
    // Without controller support the keyboard still plays, so a failure is only reported.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        PrintError("game controllers are unavailable: %s", SDL_GetError());
        return false;
    }
    return true;
}

void GameControllers::Attach(int deviceIndex) {
    if (SDL_IsGameController(deviceIndex) == SDL_FALSE) {
        return;
    }
    // A pad already open announces itself again when the subsystem starts; one slot per pad.
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (const Pad& pad : pads) {
        if (pad.controller != nullptr && InstanceOf(pad.controller) == id) {
            return;
        }
    }
    for (Pad& pad : pads) {
        if (pad.controller == nullptr) {
            pad = Pad{};
            pad.controller = SDL_GameControllerOpen(deviceIndex);
            return;
        }
    }
}

void GameControllers::Detach(std::int32_t instanceId) {
    for (Pad& pad : pads) {
        if (pad.controller != nullptr && InstanceOf(pad.controller) == instanceId) {
            SDL_GameControllerClose(pad.controller);
            pad = Pad{};
        }
    }
}

PadState::Button GameControllers::NotePress(std::int32_t instanceId, int sdlButton) {
    for (int button = 0; button < PadState::ButtonCount; ++button) {
        if (kButtons[button] != sdlButton) {
            continue;
        }
        for (Pad& pad : pads) {
            if (pad.controller != nullptr && InstanceOf(pad.controller) == instanceId) {
                pad.pressed[button] = true;
            }
        }
        return static_cast<PadState::Button>(button);
    }
    return PadState::ButtonCount;
}

int GameControllers::Read(PadState* states, int capacity) {
    int count = 0;
    for (Pad& pad : pads) {
        if (count < capacity && pad.controller != nullptr &&
            SDL_GameControllerGetAttached(pad.controller) == SDL_TRUE) {
            states[count++] = ReadPad(pad);
        }
    }
    return count;
}

void GameControllers::CloseAll() {
    for (Pad& pad : pads) {
        if (pad.controller != nullptr) {
            SDL_GameControllerClose(pad.controller);
        }
        pad = Pad{};
    }
}

}  // namespace platform
