#include "platform/input/InputSources.h"

#include "platform/input/InputLatch.h"

namespace platform {

bool KeyboardSource::Read(std::uint8_t (&keys)[256]) {
    if (!ReadHeld(keys)) {
        return false;
    }
    GetInputLatch().ApplyToKeys(keys);
    return true;
}

bool MouseSource::Read(MouseState& state) {
    if (!ReadHeld(state)) {
        return false;
    }
    state.wheel += GetInputLatch().TakeWheel();
    GetInputLatch().ApplyToMouseButtons(state.buttons);
    return true;
}

int ControllerSource::ReadPads(PadState* pads, int capacity) {
    const int count = ReadHeldPads(pads, capacity);
    GetInputLatch().ApplyToPads(pads, count);
    return count;
}

}  // namespace platform
