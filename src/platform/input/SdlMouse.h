#pragma once

#include "platform/input/InputSources.h"

namespace platform {

// The mouse as SDL reports it: relative motion since the last read and five buttons.
class SdlMouse final : public MouseSource {
public:
    bool Open() override;

protected:
    bool ReadHeld(MouseState& state) override;
};

}  // namespace platform
