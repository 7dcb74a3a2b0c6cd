#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace platform {

class Window;

// The mouse as read once per frame: motion and wheel since the last read, and eight buttons (bit 7 down).
struct MouseState {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t wheel = 0;
    std::uint8_t buttons[8] = {};
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

// The keyboard: once per frame, the down state of every key under its DirectInput key code.
class KeyboardSource {
public:
    virtual ~KeyboardSource() = default;
    // Fills keys (bit 7 set = down); false when the state cannot be read this frame.
    virtual bool Read(std::uint8_t (&keys)[256]) = 0;
};

class MouseSource {
public:
    virtual ~MouseSource() = default;
    virtual bool Read(MouseState& state) = 0;
};

// Up to the given number of attached controllers.
class ControllerSource {
public:
    virtual ~ControllerSource() = default;
    // Opens the attached controllers, at most limit of them; returns how many slots were filled.
    virtual int Open(int limit) = 0;
    virtual bool Read(int slot, ControllerState& state) = 0;
    virtual void Close() = 0;
};

// The input system: the platform's keyboard, mouse and controllers. Null sources mean the platform cannot
// give that device; a test installs a scripted keyboard in place of the real one.
struct InputSystem {
    KeyboardSource* keyboard = nullptr;
    MouseSource* mouse = nullptr;
    ControllerSource* controllers = nullptr;
};

// The platform's input system, or an empty one when the window system is not running.
InputSystem GetInputSystem();
// Replace the keyboard and the controllers the input system hands out (null restores the real ones).
void SetKeyboardSource(KeyboardSource* keyboard);
void SetControllerSource(ControllerSource* controllers);

// The wheel motion the message queue has seen since the last mouse read.
void AddMouseWheel(std::int32_t delta);

}  // namespace platform
