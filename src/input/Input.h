#pragma once

#include <cstdint>

#include "platform/InputSources.h"
#include "platform/Types.h"

namespace Corvane {

// The input object: once per frame it reads the keyboard, the mouse and the game controllers and answers,
// for every key, button and controller direction, whether it is held now and whether it triggered this
// frame: it went down, or it has been held and more than the repeat interval has passed since its last
// trigger.
class CInput {
public:
    static constexpr int kControllerSlots = 16;
    static constexpr int kControllerEntries = 34;  // left, right, up, down, then buttons 0..29

    CInput();
    ~CInput();

    CInput(const CInput&) = delete;
    CInput& operator=(const CInput&) = delete;

    platform::HRESULT Create();
    void Refresh();
    // Forgets every held and triggered input; the previous states and trigger times stay.
    void Clear();
    void Destroy();
    bool IsKeyDown(int key) const { return (keys[key & 0xFF] & 0x80) != 0; }
    bool IsKeyTriggered(int key) const { return keyTriggered[key & 0xFF] != 0; }

    std::uint8_t keys[256];
    std::uint8_t prevKeys[256];
    std::uint8_t keyTriggered[256];
    std::uint32_t keyTriggerTime[256];
    platform::MouseState mouse;
    platform::MouseState prevMouse;
    platform::MouseState mouseTriggered;
    std::uint32_t mouseTriggerTime[8];
    platform::ControllerState controllerState[kControllerSlots];
    std::uint8_t controllerButtons[kControllerSlots][kControllerEntries];
    std::uint8_t prevControllerButtons[kControllerSlots][kControllerEntries];
    std::uint8_t controllerTriggered[kControllerSlots][kControllerEntries];
    std::uint32_t controllerTriggerTime[kControllerSlots][kControllerEntries];
    std::uint32_t repeatInterval;

private:
    // The rule every digital input follows; returns the triggered flag and may move the trigger time.
    std::uint8_t Trigger(bool down, bool wasDown, std::uint32_t& triggerTime, std::uint32_t now) const;
    void UpdateKeys(std::uint32_t now, const std::uint8_t (&state)[256]);
    void UpdateMouse(std::uint32_t now, const platform::MouseState& state);
    void UpdateController(std::uint32_t now, int slot, const platform::ControllerState& state);

    platform::InputSystem system;
    bool created = false;
    int controllerCount = 0;
};

extern CInput* g_pInput;

}  // namespace Corvane
