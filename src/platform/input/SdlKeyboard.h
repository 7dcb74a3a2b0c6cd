#pragma once

#include "platform/input/InputSources.h"

namespace platform {

// The keyboard as SDL's keyboard state holds it, under the DirectInput key codes.
class SdlKeyboard final : public KeyboardSource {
public:
    bool Open() override;

protected:
    bool ReadHeld(std::uint8_t (&keys)[256]) override;
};

}  // namespace platform
