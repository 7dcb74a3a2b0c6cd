#pragma once

#include <cstdint>

#include "platform/PadState.h"

namespace platform {

// The game controllers plugged in, opened as they arrive and closed as they leave, and read as pads in the
// standard layout. The raw joystick path of the controller source is separate and unchanged.
class GameControllers {
public:
    // Starts SDL's game-controller support; the pads already plugged in then announce themselves as arrivals.
    static bool Init();
    // A device arrived (by device index) or left (by instance id).
    static void Attach(int deviceIndex);
    static void Detach(std::int32_t instanceId);
    // A pad's button went down (by instance id and SDL button). Returns the button in the standard layout,
    // or ButtonCount for a button outside it. The button reads as down at the pad's next read.
    static PadState::Button NotePress(std::int32_t instanceId, int sdlButton);
    // The open pads' states, at most capacity of them; returns how many.
    static int Read(PadState* pads, int capacity);
    static void CloseAll();
};

}  // namespace platform
