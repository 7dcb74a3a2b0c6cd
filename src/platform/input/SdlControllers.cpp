#include "platform/input/SdlControllers.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {

std::int32_t ScaleAxis(Sint16 value) {
    // −32768..32767 onto −1000..1000.
    const std::int32_t scaled = value >= 0 ? value * 1000 / 32767 : value * 1000 / 32768;
    return std::clamp(scaled, -1000, 1000);
}

}  // namespace

int SdlControllers::Open(int limit) {
    Close();
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return 0;
    }
    pads.Start();
    const int attached = SDL_NumJoysticks();
    for (int index = 0; index < attached && opened < limit && opened < kSlots; ++index) {
        SDL_Joystick* joystick = SDL_JoystickOpen(index);
        if (joystick == nullptr) {
            break;  // a device that cannot be opened ends the enumeration
        }
        joysticks[static_cast<std::size_t>(opened++)] = joystick;
    }
    return opened;
}

bool SdlControllers::Read(int slot, ControllerState& state) {
    if (slot < 0 || slot >= opened || joysticks[static_cast<std::size_t>(slot)] == nullptr) {
        return false;
    }
    SDL_Joystick* joystick = joysticks[static_cast<std::size_t>(slot)];
    if (SDL_JoystickGetAttached(joystick) == SDL_FALSE) {
        return false;
    }
    SDL_JoystickUpdate();
    state = ControllerState{};
    std::int32_t* axes[] = {&state.x,  &state.y,  &state.z,          &state.rx,
                            &state.ry, &state.rz, &state.sliders[0], &state.sliders[1]};
    const int axisCount = std::min(SDL_JoystickNumAxes(joystick), 8);
    for (int axis = 0; axis < axisCount; ++axis) {
        *axes[axis] = ScaleAxis(SDL_JoystickGetAxis(joystick, axis));
    }
    const int buttonCount = std::min(SDL_JoystickNumButtons(joystick), 128);
    for (int button = 0; button < buttonCount; ++button) {
        state.buttons[button] = SDL_JoystickGetButton(joystick, button) != 0 ? 0x80 : 0;
    }
    return true;
}

int SdlControllers::ReadHeldPads(PadState* states, int capacity) {
    return pads.Read(states, capacity);
}

void SdlControllers::Close() {
    for (SDL_Joystick*& joystick : joysticks) {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
            joystick = nullptr;
        }
    }
    opened = 0;
    pads.CloseAll();
}

namespace {
SdlControllers sdlControllers;
ControllerSource* currentControllers = &sdlControllers;
}  // namespace

ControllerSource& GetControllerSource() {
    return *currentControllers;
}

void SetControllerSource(ControllerSource* controllers) {
    currentControllers = controllers != nullptr ? controllers : &sdlControllers;
}

}  // namespace platform
