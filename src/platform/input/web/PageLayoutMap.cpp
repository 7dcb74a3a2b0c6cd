#include <emscripten.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/input/KeyCodes.h"
#include "platform/input/SdlKeyboardLayout.h"

namespace {

// The keys a layout moves, by the names a browser gives their places (KeyboardEvent.code).
struct PlaceCode {
    const char* place;
    std::uint8_t code;
};
constexpr PlaceCode kPlaces[] = {
    {"Backquote", platform::DIK_GRAVE},       {"Minus", platform::DIK_MINUS},
    {"Equal", platform::DIK_EQUALS},          {"BracketLeft", platform::DIK_LBRACKET},
    {"BracketRight", platform::DIK_RBRACKET}, {"Semicolon", platform::DIK_SEMICOLON},
    {"Quote", platform::DIK_APOSTROPHE},      {"Backslash", platform::DIK_BACKSLASH},
    {"IntlBackslash", platform::DIK_OEM_102}, {"Comma", platform::DIK_COMMA},
    {"Period", platform::DIK_PERIOD},         {"Slash", platform::DIK_SLASH},
};
// The letters' places in a browser's names ("KeyQ"), in the order of the rows.
constexpr std::string_view kLetterRows = "QWERTYUIOPASDFGHJKLZXCVBNM";
constexpr std::uint8_t kLetterCodes[] = {
    platform::DIK_Q, platform::DIK_W, platform::DIK_E, platform::DIK_R, platform::DIK_T, platform::DIK_Y,
    platform::DIK_U, platform::DIK_I, platform::DIK_O, platform::DIK_P, platform::DIK_A, platform::DIK_S,
    platform::DIK_D, platform::DIK_F, platform::DIK_G, platform::DIK_H, platform::DIK_J, platform::DIK_K,
    platform::DIK_L, platform::DIK_Z, platform::DIK_X, platform::DIK_C, platform::DIK_V, platform::DIK_B,
    platform::DIK_N, platform::DIK_M};

std::uint8_t CodeOfPlace(std::string_view place) {
    if (place.size() == 4 && place.substr(0, 3) == "Key") {
        const std::size_t row = kLetterRows.find(place[3]);
        return row == std::string_view::npos ? 0 : kLetterCodes[row];
    }
    if (place.size() == 6 && place.substr(0, 5) == "Digit" && place[5] >= '0' && place[5] <= '9') {
        // DIK_1 to DIK_9 follow each other, and DIK_0 comes after them.
        return place[5] == '0' ? platform::DIK_0
                               : static_cast<std::uint8_t>(platform::DIK_1 + place[5] - '1');
    }
    for (const PlaceCode& entry : kPlaces) {
        if (place == entry.place) {
            return entry.code;
        }
    }
    return 0;
}

// The first character of a UTF-8 text, 0 when it is not one character (a dead key says "Dead").
char32_t OnlyCharacter(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (text.size() != length) {
        return 0;
    }
    char32_t character = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t index = 1; index < length; ++index) {
        character = (character << 6) | (static_cast<unsigned char>(text[index]) & 0x3F);
    }
    if (character >= 'A' && character <= 'Z') {
        character += 'a' - 'A';
    }
    return character;
}

}  // namespace

// The page tells the game what a key types: from the browser's layout map (navigator.keyboard), or from a
// key the player pressed, by its place (KeyboardEvent.code) and what it typed (KeyboardEvent.key).
extern "C" EMSCRIPTEN_KEEPALIVE void yorun_label_key(const char* place, const char* typed) {
    if (place != nullptr && typed != nullptr) {
        platform::GetSdlKeyboardLayout().Learn(CodeOfPlace(place), OnlyCharacter(typed));
    }
}
