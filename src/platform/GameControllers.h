#pragma once

#include <cstdint>

namespace platform {

// The game controllers plugged in, opened as they arrive and closed as they leave. Pads reach the game as
// keys (see ControllerKeys.h); the raw joystick path of the input object is separate and unchanged.
class GameControllers {
public:
    // Starts SDL's game-controller support; the pads already plugged in then announce themselves as arrivals.
    static bool Init();
    // A device arrived (by device index) or left (by instance id).
    static void Attach(int deviceIndex);
    static void Detach(std::int32_t instanceId);
    // A button went down (by SDL's button number): its key counts as pressed at the next keyboard read,
    // however short the press.
    static void LatchButton(int button);
    // Presses the keys that the open pads hold into keys.
    static void AddKeys(std::uint8_t (&keys)[256]);
    static void CloseAll();
    static int Count();
};

}  // namespace platform
