#include "platform/input/SdlKeyboardLayout.h"

#include <SDL.h>

#include "platform/input/SdlKeyCodes.h"

namespace platform {

namespace {

// The letters, the digits and the punctuation keys: the keys a layout gives characters of its own.
bool TypesACharacter(int scancode) {
    const bool control = scancode >= SDL_SCANCODE_RETURN && scancode <= SDL_SCANCODE_SPACE;
    return (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_SLASH && !control) ||
           scancode == SDL_SCANCODE_NONUSBACKSLASH;
}

}  // namespace

char32_t SdlKeyboardLayout::CharacterOf(std::uint8_t code) {
    if (learnt[code] != 0) {
        return learnt[code];
    }
    const int scancode = ScancodeOf(code);
    if (scancode == SDL_SCANCODE_UNKNOWN || SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return 0;
    }
    return CharacterOfKey(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode)));
}

void SdlKeyboardLayout::Learn(std::uint8_t code, char32_t character) {
    if (code == 0 || character == 0 || learnt[code] == character) {
        return;
    }
    // Only keys that type a character in every layout can learn one: a keypad key or an arrow that a
    // browser reports with a character of its own stays what it is.
    if (!TypesACharacter(ScancodeOf(code))) {
        return;
    }
    learnt[code] = character;
    ++generation;
}

void SdlKeyboardLayout::Forget() {
    learnt.fill(0);
    ++generation;
}

SdlKeyboardLayout& GetSdlKeyboardLayout() {
    static SdlKeyboardLayout layout;
    return layout;
}

namespace {
KeyboardLayout* currentLayout = nullptr;
}  // namespace

KeyboardLayout& GetKeyboardLayout() {
    return currentLayout != nullptr ? *currentLayout : GetSdlKeyboardLayout();
}

void SetKeyboardLayout(KeyboardLayout* layout) {
    currentLayout = layout;
}

}  // namespace platform
