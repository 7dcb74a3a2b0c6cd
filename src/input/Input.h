#pragma once

#include <cstdint>

#include "input/KeyMap.h"
#include "platform/input/InputSources.h"
#include "platform/system/Types.h"

namespace Corvane {

// The input object: once per frame it reads the keyboard (with the game pads pressing keys of their own),
// the mouse and the game controllers and answers, for every key, button and controller direction, whether it
// is held now and whether it triggered this frame: it went down, or it has been held and more than the repeat
// interval has passed since its last trigger.
class CInput {
public:
    static constexpr int kControllerSlots = 16;
    static constexpr int kControllerEntries = 34;  // left, right, up, down, then buttons 0..29
    static constexpr int kPadCapacity = 16;

    CInput();
    ~CInput();

    CInput(const CInput&) = delete;
    CInput& operator=(const CInput&) = delete;

    platform::HRESULT Create();
    // One read of every device. Nothing is taken in while the window is not active: the caller, the frame
    // loop, passes the application's activity, so the input needs nothing above it.
    void Refresh(bool active);
    // Forgets every held and triggered input; the previous states and trigger times stay.
    void Clear();
    void Destroy();
    bool IsKeyDown(int key) const { return (keys[key & 0xFF] & 0x80) != 0; }
    bool IsKeyTriggered(int key) const { return keyTriggered[key & 0xFF] != 0; }
    // For this frame the keys read as given (bit 7 held, non-zero triggered) instead of as the devices left
    // them: a recorded game plays back.
    void Override(const std::uint8_t (&held)[256], const std::uint8_t (&triggered)[256]);
    // From the next read on the game's keys are made by map (not owned); null: the devices' keys as they are.
    void SetKeyMap(KeyMap* map) { keyMap = map; }

    std::uint8_t keys[256];               // each key's state now, by key code; bit 7 set = down
    std::uint8_t prevKeys[256];           // the states before the last update
    std::uint8_t keyTriggered[256];       // 1 = the key triggered in the last update
    std::uint32_t keyTriggerTime[256];    // millisecond tick of each key's last trigger
    platform::MouseState mouse;           // the mouse now: motion and wheel since the last read
    platform::MouseState prevMouse;       // the mouse before the last update
    platform::MouseState mouseTriggered;  // only its buttons: 1 = the button triggered
    std::uint32_t mouseTriggerTime[8];    // millisecond tick of each button's last trigger
    platform::ControllerState controllerState[kControllerSlots];  // each controller slot's raw state
    // Per controller: left, right, up, down (0x80 past half the axis, else 0), then buttons 0..29 (raw
    // bytes).
    std::uint8_t controllerButtons[kControllerSlots][kControllerEntries];
    std::uint8_t prevControllerButtons[kControllerSlots][kControllerEntries];   // the entries before
    std::uint8_t controllerTriggered[kControllerSlots][kControllerEntries];     // 1 = the entry triggered
    std::uint32_t controllerTriggerTime[kControllerSlots][kControllerEntries];  // each entry's last trigger
    std::uint32_t repeatInterval;  // milliseconds a held input waits before it triggers again

private:
    // The rule every digital input follows; returns the triggered flag and may move the trigger time.
    std::uint8_t Trigger(bool down, bool wasDown, std::uint32_t& triggerTime, std::uint32_t now) const;
    // The keys the game reads from the keyboard's and the pads'.
    void MapKeys(std::uint8_t (&state)[256]);
    void UpdateKeys(std::uint32_t now, const std::uint8_t (&state)[256]);
    void UpdateMouse(std::uint32_t now, const platform::MouseState& state);
    void UpdateController(std::uint32_t now, int slot, const platform::ControllerState& state);

    // The devices, as installed when the input was created.
    platform::KeyboardSource* keyboardSource = nullptr;
    platform::MouseSource* mouseSource = nullptr;
    platform::ControllerSource* controllerSource = nullptr;
    KeyMap* keyMap = nullptr;
    bool created = false;
    int controllerCount = 0;                // controller slots filled when the input was created
    platform::PadState pads[kPadCapacity];  // the pads as last read
};

extern CInput* g_pInput;

}  // namespace Corvane
