#pragma once

#include <cstdint>

#include "platform/input/PadState.h"

namespace platform {

// The mouse as read once per frame: motion and wheel since the last read, and eight buttons (bit 7 down);
// and where the pointer is over the picture, in the picture's own pixels whatever the window's size (−1
// when it is elsewhere), for the menus a pointer can choose in.
struct MouseState {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t wheel = 0;
    std::uint8_t buttons[8] = {};
    std::int32_t pointerX = -1;
    std::int32_t pointerY = -1;
};

// A game controller as read once per frame: axes scaled to −1000..1000, the hat as an angle in
// hundredths of a degree (0xFFFFFFFF centred), buttons with bit 7 down. 272 bytes.
struct ControllerState {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;
    std::int32_t rx = 0;
    std::int32_t ry = 0;
    std::int32_t rz = 0;
    std::int32_t sliders[2] = {};
    std::uint32_t povs[4] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    std::uint8_t buttons[128] = {};
    std::int32_t velocity[8] = {};
    std::int32_t acceleration[8] = {};
    std::int32_t force[8] = {};
};
static_assert(sizeof(ControllerState) == 272);

// Each input device is reached through one of the interfaces below. The SDL one is the default; a test
// installs its own with the Set function, and null puts the SDL one back. A source says what its device
// holds now; what happened since the last read (presses, the wheel's turn) comes from the input latch,
// added by the interface itself, so every source, a test's included, sees presses the same way.

// The keyboard: once per frame, the down state of every key under its DirectInput key code.
class KeyboardSource {
public:
    virtual ~KeyboardSource() = default;
    // Makes the keyboard ready; false when the platform cannot give one (the window system is not running).
    virtual bool Open() = 0;
    // Fills keys (bit 7 set = down), the presses since the last read included and keys held back from the
    // game left out; false when the state cannot be read this frame.
    bool Read(std::uint8_t (&keys)[256]);

protected:
    // The keys the device holds now.
    virtual bool ReadHeld(std::uint8_t (&keys)[256]) = 0;
};

class MouseSource {
public:
    virtual ~MouseSource() = default;
    virtual bool Open() = 0;
    // Fills state, the wheel's turn since the last read included.
    bool Read(MouseState& state);

protected:
    // The motion since the last read and the buttons held now.
    virtual bool ReadHeld(MouseState& state) = 0;
};

// The attached controllers, read two ways: as raw devices by slot, and as pads in the standard layout.
class ControllerSource {
public:
    virtual ~ControllerSource() = default;
    // Opens the attached controllers, at most limit of them; returns how many slots were filled.
    virtual int Open(int limit) = 0;
    virtual bool Read(int slot, ControllerState& state) = 0;
    // Fills pads with the plugged-in pads' states, at most capacity of them, the buttons pressed since the
    // last read included; returns how many.
    int ReadPads(PadState* pads, int capacity);
    virtual void Close() = 0;

protected:
    // The pads' buttons and axes as they are now.
    virtual int ReadHeldPads(PadState* pads, int capacity) = 0;
};

KeyboardSource& GetKeyboardSource();
void SetKeyboardSource(KeyboardSource* keyboard);
MouseSource& GetMouseSource();
void SetMouseSource(MouseSource* mouse);
ControllerSource& GetControllerSource();
void SetControllerSource(ControllerSource* controllers);

}  // namespace platform
