#pragma once

#include <cstdint>

namespace platform {

// What each key types in the keyboard layout in force. The keyboard reports a key by its place (its
// DirectInput key code, the same on every layout), and a player reads it by what is printed on it: on a
// French keyboard the key in Z's place types w, on a German one y. The SDL one is the default; a test
// installs a layout of its own with SetKeyboardLayout, and null puts SDL's back.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The character the key at this place types without a modifier, letters in lower case; 0 for a key
    // that types none in any layout (Shift, F1, the arrows, Space, the keypad).
    virtual char32_t CharacterOf(std::uint8_t code) = 0;
    // Counts the layout's changes: a reader that keeps what it found asks again when this differs.
    virtual unsigned Generation() = 0;
};

// The place of the key that types this character, 0 when no key of the layout does.
std::uint8_t CodeTyping(KeyboardLayout& layout, char32_t character);

KeyboardLayout& GetKeyboardLayout();
void SetKeyboardLayout(KeyboardLayout* layout);

}  // namespace platform
