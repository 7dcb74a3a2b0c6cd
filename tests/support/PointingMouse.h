#pragma once

#include "platform/input/InputSources.h"

namespace testing_support {

// A mouse whose pointer and left button a test sets; installed while it lives. The input reads the mouse
// installed when it is made (Corvane::CInput::Create).
class PointingMouse final : public platform::MouseSource {
public:
    PointingMouse() { platform::SetMouseSource(this); }
    ~PointingMouse() override { platform::SetMouseSource(nullptr); }
    PointingMouse(const PointingMouse&) = delete;
    PointingMouse& operator=(const PointingMouse&) = delete;

    bool Open() override { return true; }

    int x = -1;
    int y = -1;
    bool down = false;

protected:
    bool ReadHeld(platform::MouseState& state) override {
        state = platform::MouseState{};
        state.pointerX = x;
        state.pointerY = y;
        state.buttons[0] = down ? 0x80 : 0;
        return true;
    }
};

}  // namespace testing_support
