#include "platform/input/KeyboardLayout.h"

namespace platform {

std::uint8_t CodeTyping(KeyboardLayout& layout, char32_t character) {
    if (character == 0) {
        return 0;
    }
    for (int code = 1; code < 256; ++code) {
        if (layout.CharacterOf(static_cast<std::uint8_t>(code)) == character) {
            return static_cast<std::uint8_t>(code);
        }
    }
    return 0;
}

}  // namespace platform
