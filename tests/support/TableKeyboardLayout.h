#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/input/KeyCodes.h"
#include "platform/input/KeyboardLayout.h"

namespace testing_support {

// A keyboard layout given as what each key of the four typing rows types without a modifier, installed
// for the lifetime of the object. The rows run from the key left of 1 (the digits' row, 13 keys), from Q's
// place (12), from A's place with the key left of Enter last (12), and from the key right of the left Shift
// on a 105-key board, then Z's place on (11).
class TableKeyboardLayout final : public platform::KeyboardLayout {
public:
    TableKeyboardLayout(std::u32string_view digits, std::u32string_view upper, std::u32string_view home,
                        std::u32string_view lower) {
        using namespace platform;
        Fill(digits, {DIK_GRAVE, DIK_1, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, DIK_0, DIK_MINUS,
                      DIK_EQUALS});
        Fill(upper, {DIK_Q, DIK_W, DIK_E, DIK_R, DIK_T, DIK_Y, DIK_U, DIK_I, DIK_O, DIK_P, DIK_LBRACKET,
                     DIK_RBRACKET});
        Fill(home, {DIK_A, DIK_S, DIK_D, DIK_F, DIK_G, DIK_H, DIK_J, DIK_K, DIK_L, DIK_SEMICOLON,
                    DIK_APOSTROPHE, DIK_BACKSLASH});
        Fill(lower, {DIK_OEM_102, DIK_Z, DIK_X, DIK_C, DIK_V, DIK_B, DIK_N, DIK_M, DIK_COMMA, DIK_PERIOD,
                     DIK_SLASH});
        platform::SetKeyboardLayout(this);
    }
    ~TableKeyboardLayout() override { platform::SetKeyboardLayout(nullptr); }

    char32_t CharacterOf(std::uint8_t code) override { return characters[code]; }
    unsigned Generation() override { return generation; }

    std::array<char32_t, 256> characters{};
    // Each layout a generation of its own, as if the system had changed layouts.
    unsigned generation = NextGeneration();

private:
    static unsigned NextGeneration() {
        static unsigned last = 1000;
        return ++last;
    }

public:
private:
    template <std::size_t N>
    void Fill(std::u32string_view row, const std::uint8_t (&codes)[N]) {
        for (std::size_t key = 0; key < N && key < row.size(); ++key) {
            characters[codes[key]] = row[key];
        }
    }
};

// The layouts as the X keyboard configuration's symbols files give their first level ("fr" and "de",
// their basic variants; a dead key as the character it puts on).
inline std::unique_ptr<TableKeyboardLayout> MakeFrenchLayout() {
    return std::make_unique<TableKeyboardLayout>(U"²&é\"'(-è_çà)=", U"azertyuiop^$", U"qsdfghjklmù*",
                                                 U"<wxcvbn,;:!");
}
inline std::unique_ptr<TableKeyboardLayout> MakeGermanLayout() {
    return std::make_unique<TableKeyboardLayout>(U"^1234567890ß´", U"qwertzuiopü+", U"asdfghjklöä#",
                                                 U"<yxcvbnm,.-");
}
// A US keyboard, as SDL's own table has it.
inline std::unique_ptr<TableKeyboardLayout> MakeUsLayout() {
    return std::make_unique<TableKeyboardLayout>(U"`1234567890-=", U"qwertyuiop[]", U"asdfghjkl;'\\",
                                                 U"\\zxcvbnm,./");
}

}  // namespace testing_support
