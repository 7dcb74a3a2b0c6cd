#pragma once

#include <array>
#include <cstdint>

#include "platform/input/PadState.h"

namespace platform {

// The game controllers plugged in, read as pads in the standard layout. Each read opens the pads that have
// arrived since the last one and closes those that have gone, so no event needs to reach the pads in
// between. A pad is kept by SDL's instance id, never by its handle: a pad that SDL closed itself when it
// shut down is simply not found again, and no handle is ever used after SDL has freed it.
class SdlPads {
public:
    static constexpr std::size_t kSlots = 16;

    SdlPads() { open.fill(kNone); }

    // Starts SDL's game-controller support; false, said on standard error, when it cannot start (the
    // keyboard still plays).
    bool Start();
    // The open pads' states, at most capacity of them; returns how many.
    int Read(PadState* pads, int capacity);
    void CloseAll();

    // The button in the standard layout that SDL's controller button is, or ButtonCount for one outside it.
    static PadState::Button ButtonOf(int sdlButton);

private:
    static constexpr std::int32_t kNone = -1;

    void OpenArrivals();
    bool IsOpen(std::int32_t id) const;

    std::array<std::int32_t, kSlots> open{};
};

}  // namespace platform
