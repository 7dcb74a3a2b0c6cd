#pragma once

#include <array>
#include <cstdint>

#include "platform/input/KeyboardLayout.h"

namespace platform {

// The layout as SDL knows it. On the desktop SDL reads the window system's keymap, and follows a change
// of layout (the message queue passes SDL's keymap-changed event on). In a browser SDL's table is a US
// keyboard's: the page tells what the keys type (its layout map, where the browser has one, and each key
// as it is pressed, web/PageLayoutMap.cpp), and what it told is learnt here and comes first.
class SdlKeyboardLayout final : public KeyboardLayout {
public:
    char32_t CharacterOf(std::uint8_t code) override;
    unsigned Generation() override { return generation; }

    // The key at this place types this character, as the page found.
    void Learn(std::uint8_t code, char32_t character);
    // The system's layout changed: what was learnt no longer holds.
    void Forget();

private:
    std::array<char32_t, 256> learnt{};
    unsigned generation = 1;
};

SdlKeyboardLayout& GetSdlKeyboardLayout();

}  // namespace platform
