#pragma once

#include <array>
#include <cstdint>

#include "platform/input/KeyboardLayout.h"

namespace platform {

// The layout as SDL knows it. On the desktop SDL reads the window system's keymap, and follows a change
// of layout (the message queue passes SDL's keymap-changed event on). A browser tells SDL only what each
// key typed as it is pressed, and the page's layout map, where the browser has one: those are learnt here
// and come before SDL's own table, which is then a US keyboard's.
class SdlKeyboardLayout final : public KeyboardLayout {
public:
    char32_t CharacterOf(std::uint8_t code) override;
    unsigned Generation() override { return generation; }

    // The key at this place typed this character (SDL's key code of a key event, or the page's map).
    void Learn(std::uint8_t code, char32_t character);
    // The system's layout changed: what was learnt no longer holds.
    void Forget();

private:
    std::array<char32_t, 256> learnt{};
    unsigned generation = 1;
};

SdlKeyboardLayout& GetSdlKeyboardLayout();

}  // namespace platform
