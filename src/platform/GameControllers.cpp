#include "platform/GameControllers.h"

#include <SDL.h>

#include <array>

#include "platform/ControllerKeys.h"
#include "platform/KeyLatch.h"

namespace platform {

namespace {

constexpr std::size_t kSlots = 16;
std::array<SDL_GameController*, kSlots> pads{};

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

PadState ReadPad(SDL_GameController* pad) {
    PadState state;
    for (int button = 0; button < PadState::ButtonCount; ++button) {
        state.buttons[button] = SDL_GameControllerGetButton(pad, kButtons[button]) != 0;
    }
    state.leftX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    state.leftTrigger = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    state.rightTrigger = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    return state;
}

}  // namespace

bool GameControllers::Init() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
        return true;
    }
    // Without controller support the keyboard still plays, so a failure is only reported.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        SDL_Log("Yorun: game controllers are unavailable: %s", SDL_GetError());
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
    for (SDL_GameController* pad : pads) {
        if (pad != nullptr && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) {
            return;
        }
    }
    for (SDL_GameController*& slot : pads) {
        if (slot == nullptr) {
            slot = SDL_GameControllerOpen(deviceIndex);
            return;
        }
    }
}

void GameControllers::Detach(std::int32_t instanceId) {
    for (SDL_GameController*& pad : pads) {
        if (pad != nullptr && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == instanceId) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
    }
}

void GameControllers::LatchButton(int button) {
    for (int padButton = 0; padButton < PadState::ButtonCount; ++padButton) {
        if (kButtons[padButton] == button) {
            const std::uint8_t code = KeyOfButton(static_cast<PadState::Button>(padButton));
            if (code != 0) {
                LatchKey(code);
            }
        }
    }
}

void GameControllers::AddKeys(std::uint8_t (&keys)[256]) {
    for (SDL_GameController* pad : pads) {
        if (pad != nullptr && SDL_GameControllerGetAttached(pad) == SDL_TRUE) {
            AddControllerKeys(ReadPad(pad), keys);
        }
    }
}

void GameControllers::CloseAll() {
    for (SDL_GameController*& pad : pads) {
        if (pad != nullptr) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
    }
}

int GameControllers::Count() {
    int count = 0;
    for (const SDL_GameController* pad : pads) {
        count += pad != nullptr ? 1 : 0;
    }
    return count;
}

}  // namespace platform
