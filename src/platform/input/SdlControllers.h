#pragma once

#include <array>

#include "platform/input/InputSources.h"
#include "platform/input/SdlPads.h"

struct _SDL_Joystick;

namespace platform {

// The controllers through SDL: raw joysticks by slot, opened once, and the pads in the standard layout.
class SdlControllers final : public ControllerSource {
public:
    int Open(int limit) override;
    bool Read(int slot, ControllerState& state) override;
    void Close() override;

protected:
    int ReadHeldPads(PadState* states, int capacity) override;

private:
    static constexpr int kSlots = 16;

    std::array<_SDL_Joystick*, kSlots> joysticks{};
    int opened = 0;
    SdlPads pads;
};

}  // namespace platform
