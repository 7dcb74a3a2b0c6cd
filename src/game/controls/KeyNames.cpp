#include "game/controls/KeyNames.h"

#include <cstdio>

#include "platform/input/KeyCodes.h"

namespace Yorun {

namespace {

using namespace platform;

struct Place {
    std::uint8_t code;
    const char* name;
    char32_t usCharacter;  // what it types on a US keyboard, 0 for none
};

constexpr Place kPlaces[] = {
    {DIK_ESCAPE, "Escape", 0},
    {DIK_1, "1", U'1'},
    {0x03, "2", U'2'},
    {0x04, "3", U'3'},
    {0x05, "4", U'4'},
    {0x06, "5", U'5'},
    {0x07, "6", U'6'},
    {0x08, "7", U'7'},
    {0x09, "8", U'8'},
    {0x0A, "9", U'9'},
    {DIK_0, "0", U'0'},
    {DIK_MINUS, "Minus", U'-'},
    {DIK_EQUALS, "Equals", U'='},
    {DIK_BACK, "Backspace", 0},
    {DIK_TAB, "Tab", 0},
    {DIK_Q, "Q", U'q'},
    {DIK_W, "W", U'w'},
    {DIK_E, "E", U'e'},
    {DIK_R, "R", U'r'},
    {DIK_T, "T", U't'},
    {DIK_Y, "Y", U'y'},
    {DIK_U, "U", U'u'},
    {DIK_I, "I", U'i'},
    {DIK_O, "O", U'o'},
    {DIK_P, "P", U'p'},
    {DIK_LBRACKET, "Left Bracket", U'['},
    {DIK_RBRACKET, "Right Bracket", U']'},
    {DIK_RETURN, "Enter", 0},
    {DIK_LCONTROL, "Left Ctrl", 0},
    {DIK_A, "A", U'a'},
    {DIK_S, "S", U's'},
    {DIK_D, "D", U'd'},
    {DIK_F, "F", U'f'},
    {DIK_G, "G", U'g'},
    {DIK_H, "H", U'h'},
    {DIK_J, "J", U'j'},
    {DIK_K, "K", U'k'},
    {DIK_L, "L", U'l'},
    {DIK_SEMICOLON, "Semicolon", U';'},
    {DIK_APOSTROPHE, "Apostrophe", U'\''},
    {DIK_GRAVE, "Grave", U'`'},
    {DIK_LSHIFT, "Left Shift", 0},
    {DIK_BACKSLASH, "Backslash", U'\\'},
    {DIK_Z, "Z", U'z'},
    {DIK_X, "X", U'x'},
    {DIK_C, "C", U'c'},
    {DIK_V, "V", U'v'},
    {DIK_B, "B", U'b'},
    {DIK_N, "N", U'n'},
    {DIK_M, "M", U'm'},
    {DIK_COMMA, "Comma", U','},
    {DIK_PERIOD, "Period", U'.'},
    {DIK_SLASH, "Slash", U'/'},
    {DIK_RSHIFT, "Right Shift", 0},
    {DIK_MULTIPLY, "Keypad Multiply", 0},
    {DIK_LMENU, "Left Alt", 0},
    {DIK_SPACE, "Space", 0},
    {DIK_CAPITAL, "Caps Lock", 0},
    {DIK_F1, "F1", 0},
    {0x3C, "F2", 0},
    {0x3D, "F3", 0},
    {0x3E, "F4", 0},
    {0x3F, "F5", 0},
    {0x40, "F6", 0},
    {0x41, "F7", 0},
    {0x42, "F8", 0},
    {0x43, "F9", 0},
    {DIK_F10, "F10", 0},
    {DIK_NUMLOCK, "Num Lock", 0},
    {DIK_SCROLL, "Scroll Lock", 0},
    {DIK_NUMPAD7, "Keypad 7", 0},
    {DIK_NUMPAD8, "Keypad 8", 0},
    {DIK_NUMPAD9, "Keypad 9", 0},
    {DIK_SUBTRACT, "Keypad Minus", 0},
    {DIK_NUMPAD4, "Keypad 4", 0},
    {DIK_NUMPAD5, "Keypad 5", 0},
    {DIK_NUMPAD6, "Keypad 6", 0},
    {DIK_ADD, "Keypad Plus", 0},
    {DIK_NUMPAD1, "Keypad 1", 0},
    {DIK_NUMPAD2, "Keypad 2", 0},
    {DIK_NUMPAD3, "Keypad 3", 0},
    {DIK_NUMPAD0, "Keypad 0", 0},
    {DIK_DECIMAL, "Keypad Period", 0},
    {DIK_OEM_102, "Less Than", U'<'},
    {DIK_F11, "F11", 0},
    {DIK_F12, "F12", 0},
    {DIK_NUMPADENTER, "Keypad Enter", 0},
    {DIK_RCONTROL, "Right Ctrl", 0},
    {DIK_DIVIDE, "Keypad Divide", 0},
    {DIK_SYSRQ, "Print Screen", 0},
    {DIK_RMENU, "Right Alt", 0},
    {DIK_PAUSE, "Pause", 0},
    {DIK_HOME, "Home", 0},
    {DIK_UP, "Up", 0},
    {DIK_PRIOR, "Page Up", 0},
    {DIK_LEFT, "Left", 0},
    {DIK_RIGHT, "Right", 0},
    {DIK_END, "End", 0},
    {DIK_DOWN, "Down", 0},
    {DIK_NEXT, "Page Down", 0},
    {DIK_INSERT, "Insert", 0},
    {DIK_DELETE, "Delete", 0},
    {DIK_LWIN, "Left Super", 0},
    {DIK_RWIN, "Right Super", 0},
    {DIK_APPS, "Menu", 0},
};

const Place* FindPlace(std::uint8_t code) {
    for (const Place& place : kPlaces) {
        if (place.code == code) {
            return &place;
        }
    }
    return nullptr;
}

// Punctuation with a name of its own: a US keyboard's, and what the common layouts of Europe add.
struct Punctuation {
    char32_t character;
    const char* name;
};
constexpr Punctuation kPunctuation[] = {
    {U'-', "Minus"},
    {U'=', "Equals"},
    {U'[', "Left Bracket"},
    {U']', "Right Bracket"},
    {U';', "Semicolon"},
    {U'\'', "Apostrophe"},
    {U'`', "Grave"},
    {U'\\', "Backslash"},
    {U',', "Comma"},
    {U'.', "Period"},
    {U'/', "Slash"},
    {U'<', "Less Than"},
    {U'+', "Plus"},
    {U'#', "Hash"},
    {U'*', "Asterisk"},
    {U'!', "Exclamation"},
    {U'$', "Dollar"},
    {U':', "Colon"},
    {U')', "Right Parenthesis"},
    {U'(', "Left Parenthesis"},
    {U'&', "Ampersand"},
    {U'"', "Quote"},
    {U'^', "Caret"},
};

bool IsLetterOrDigit(char32_t character) {
    return (character >= U'a' && character <= U'z') || (character >= U'0' && character <= U'9');
}

constexpr const char* kPadNames[] = {
    "south",         "east",           "west",         "north",         nullptr,     "start",
    "left_shoulder", "right_shoulder", "dpad_up",      "dpad_down",     "dpad_left", "dpad_right",
    "left_stick",    "right_stick",    "left_trigger", "right_trigger",
};

}  // namespace

std::string_view PlaceName(std::uint8_t code) {
    const Place* place = FindPlace(code);
    return place != nullptr && code != 0 ? place->name : "";
}

std::uint8_t PlaceNamed(std::string_view name) {
    for (const Place& place : kPlaces) {
        if (name == place.name) {
            return place.code;
        }
    }
    return 0;
}

bool TypesACharacter(std::uint8_t code) {
    const Place* place = FindPlace(code);
    return place != nullptr && place->usCharacter != 0;
}

std::uint8_t UsPlaceOf(char32_t character) {
    for (const Place& place : kPlaces) {
        if (place.usCharacter == character && character != 0) {
            return place.code;
        }
    }
    return 0;
}

std::string CharacterName(char32_t character) {
    if (IsLetterOrDigit(character)) {
        return CapText(character);
    }
    for (const Punctuation& entry : kPunctuation) {
        if (entry.character == character) {
            return entry.name;
        }
    }
    char name[16];
    std::snprintf(name, sizeof(name), "U+%04X", static_cast<unsigned>(character));
    return name;
}

char32_t CharacterNamed(std::string_view name) {
    if (name.size() == 1) {
        const char32_t lower = (name[0] >= 'A' && name[0] <= 'Z') ? name[0] - 'A' + U'a' : name[0];
        return IsLetterOrDigit(lower) ? lower : 0;
    }
    for (const Punctuation& entry : kPunctuation) {
        if (name == entry.name) {
            return entry.character;
        }
    }
    if (name.size() < 6 || name.size() > 8 || name.substr(0, 2) != "U+") {
        return 0;
    }
    char32_t character = 0;
    for (const char digit : name.substr(2)) {
        const int value = digit >= '0' && digit <= '9'   ? digit - '0'
                          : digit >= 'A' && digit <= 'F' ? digit - 'A' + 10
                          : digit >= 'a' && digit <= 'f' ? digit - 'a' + 10
                                                         : -1;
        if (value < 0) {
            return 0;
        }
        character = character * 16 + static_cast<char32_t>(value);
    }
    // A character a key types: printable, past the control characters and Space, and in Unicode's range.
    const bool printable = character > U' ' && character != 0x7F &&
                           !(character >= 0x80 && character < 0xA0) && character <= 0x10FFFF &&
                           !(character >= 0xD800 && character < 0xE000);
    return printable ? character : 0;
}

std::string BindingName(const KeyBinding& binding) {
    switch (binding.kind) {
        case KeyBinding::Kind::Place:
            return std::string(PlaceName(binding.code));
        case KeyBinding::Kind::Character:
            return CharacterName(binding.character);
        default:
            return {};
    }
}

KeyBinding BindingNamed(std::string_view name, bool characters) {
    if (characters) {
        if (const char32_t character = CharacterNamed(name); character != 0) {
            return KeyBinding::Typing(character);
        }
    }
    const std::uint8_t code = PlaceNamed(name);
    // A shortcut bound to a letter's place would not follow its label: it is bound to the letter instead.
    if (code == 0 || (characters && TypesACharacter(code))) {
        return {};
    }
    return KeyBinding::AtPlace(code);
}

std::string_view PadControlName(PadControl control) {
    const int index = static_cast<int>(control);
    if (index < 0 || index >= static_cast<int>(std::size(kPadNames)) || kPadNames[index] == nullptr) {
        return "";
    }
    return kPadNames[index];
}

bool PadControlNamed(std::string_view name, PadControl& control) {
    if (name.empty() || name == "none") {
        control = PadControl::None;
        return true;
    }
    for (std::size_t index = 0; index < std::size(kPadNames); ++index) {
        if (kPadNames[index] != nullptr && name == kPadNames[index]) {
            control = static_cast<PadControl>(index);
            return true;
        }
    }
    return false;
}

std::string CapText(char32_t character) {
    if (character >= U'a' && character <= U'z') {
        character -= U'a' - U'A';
    }
    std::string text;
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (character >> 18));
        text += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
    return text;
}

}  // namespace Yorun
