#include "input/Input.h"

#include <cstring>

#include "base/ErrorReport.h"
#include "input/PadKeys.h"
#include "platform/input/KeyCodes.h"
#include "platform/system/Clock.h"

namespace Corvane {

CInput* g_pInput = nullptr;

namespace {
constexpr int kDirectionEntries = 4;
constexpr int kControllerButtons = 30;
constexpr std::int32_t kAxisThreshold = 500;
}  // namespace

CInput::CInput() {
    std::memset(keys, 0, sizeof(keys));
    std::memset(prevKeys, 0, sizeof(prevKeys));
    std::memset(keyTriggered, 0, sizeof(keyTriggered));
    std::memset(keyTriggerTime, 0, sizeof(keyTriggerTime));
    std::memset(mouseTriggerTime, 0, sizeof(mouseTriggerTime));
    for (platform::ControllerState& state : controllerState) {
        state = platform::ControllerState{};
    }
    std::memset(controllerButtons, 0, sizeof(controllerButtons));
    std::memset(prevControllerButtons, 0, sizeof(prevControllerButtons));
    std::memset(controllerTriggered, 0, sizeof(controllerTriggered));
    std::memset(controllerTriggerTime, 0, sizeof(controllerTriggerTime));
    repeatInterval = 200;
}

CInput::~CInput() {
    Destroy();
}

platform::HRESULT CInput::Create() {
    keyboardSource = &platform::GetKeyboardSource();
    mouseSource = &platform::GetMouseSource();
    controllerSource = &platform::GetControllerSource();
    const bool keyboardOpen = keyboardSource->Open();
    const bool mouseOpen = mouseSource->Open();
    if (!keyboardOpen && !mouseOpen) {
        ReportError("ERR: DirectInput8Create\n");
        return platform::E_FAIL;
    }
    if (!keyboardOpen) {
        ReportError("ERR: DirectInput(Keyboard) CreateDevice  \n");
        return platform::E_FAIL;
    }
    if (!mouseOpen) {
        ReportError("ERR: DirectInput(Mouse) CreateDevice  \n");
        return platform::E_FAIL;
    }
    // Controllers that cannot be opened are left out without a word.
    controllerCount = controllerSource->Open(kControllerSlots);
    created = true;
    return platform::S_OK;
}

std::uint8_t CInput::Trigger(bool down, bool wasDown, std::uint32_t& triggerTime, std::uint32_t now) const {
    if (!down) {
        return 0;
    }
    if (!wasDown) {
        triggerTime = now;
        return 1;
    }
    // The time since the trigger, in unsigned arithmetic: right across the millisecond tick's wrap, where
    // the trigger time plus the interval would wrap first and repeat at once.
    if (now - triggerTime > repeatInterval) {
        triggerTime = now;
        return 1;
    }
    return 0;
}

void CInput::Refresh(bool active) {
    if (!created) {
        return;
    }
    const std::uint32_t now = platform::GetClock().Milliseconds();

    std::uint8_t keyState[256];
    if (keyboardSource->Read(keyState)) {
        MapKeys(keyState);
        if (active) {
            UpdateKeys(now, keyState);
        }
    }
    platform::MouseState mouseState;
    if (mouseSource->Read(mouseState) && active) {
        UpdateMouse(now, mouseState);
    }
    for (int slot = 0; slot < controllerCount; ++slot) {
        platform::ControllerState state;
        if (controllerSource->Read(slot, state) && active) {
            UpdateController(now, slot, state);
        }
    }
}

void CInput::MapKeys(std::uint8_t (&state)[256]) {
    const int count = controllerSource->ReadPads(pads, kPadCapacity);
    if (keyMap != nullptr) {
        std::uint8_t keyboard[256];
        std::memcpy(keyboard, state, sizeof(keyboard));
        keyMap->Map(keyboard, pads, count, state);
        return;
    }
    for (int pad = 0; pad < count; ++pad) {
        Corvane::AddPadKeys(pads[pad], state);
    }
}

void CInput::UpdateKeys(std::uint32_t now, const std::uint8_t (&state)[256]) {
    for (int code = 0; code < 256; ++code) {
        keyTriggered[code] =
            Trigger((state[code] & 0x80) != 0, (keys[code] & 0x80) != 0, keyTriggerTime[code], now);
    }
    std::memcpy(prevKeys, keys, sizeof(keys));
    std::memcpy(keys, state, sizeof(keys));
}

void CInput::UpdateMouse(std::uint32_t now, const platform::MouseState& state) {
    for (int button = 0; button < 8; ++button) {
        mouseTriggered.buttons[button] =
            Trigger(state.buttons[button] != 0, mouse.buttons[button] != 0, mouseTriggerTime[button], now);
    }
    prevMouse = mouse;
    mouse = state;
}

void CInput::UpdateController(std::uint32_t now, int slot, const platform::ControllerState& state) {
    controllerState[slot] = state;
    std::uint8_t* entries = controllerButtons[slot];
    std::uint8_t* triggered = controllerTriggered[slot];
    std::uint32_t* times = controllerTriggerTime[slot];
    for (int button = 0; button < kControllerButtons; ++button) {
        const int entry = kDirectionEntries + button;
        triggered[entry] =
            Trigger((state.buttons[button] & 0x80) != 0, (entries[entry] & 0x80) != 0, times[entry], now);
    }
    std::memcpy(prevControllerButtons[slot], entries, kControllerEntries);
    std::memcpy(entries + kDirectionEntries, state.buttons, kControllerButtons);

    const bool past[kDirectionEntries] = {(state.x < -kAxisThreshold), (state.x > kAxisThreshold),
                                          (state.y < -kAxisThreshold), (state.y > kAxisThreshold)};
    for (int direction = 0; direction < kDirectionEntries; ++direction) {
        if (past[direction]) {
            triggered[direction] = Trigger(true, (entries[direction] & 0x80) != 0, times[direction], now);
            entries[direction] = 0x80;
        } else {
            entries[direction] = 0;
            triggered[direction] = 0;
        }
    }
}

void CInput::Override(const std::uint8_t (&held)[256], const std::uint8_t (&triggered)[256]) {
    std::memcpy(keys, held, sizeof(keys));
    std::memcpy(keyTriggered, triggered, sizeof(keyTriggered));
}

void CInput::Clear() {
    std::memset(keys, 0, sizeof(keys));
    std::memset(keyTriggered, 0, sizeof(keyTriggered));
    mouse = platform::MouseState{};
    mouseTriggered = platform::MouseState{};
    std::memset(controllerButtons, 0, sizeof(controllerButtons));
    std::memset(controllerTriggered, 0, sizeof(controllerTriggered));
}

void CInput::Destroy() {
    if (controllerSource != nullptr && created) {
        controllerSource->Close();
    }
    keyboardSource = nullptr;
    mouseSource = nullptr;
    controllerSource = nullptr;
    controllerCount = 0;
    created = false;
}

}  // namespace Corvane
