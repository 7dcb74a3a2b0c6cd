#include "game/controls/KeyLabels.h"

#include "game/controls/KeyNames.h"
#include "platform/input/KeyboardLayout.h"

namespace Yorun {

namespace {

// Shorter names for the keys whose place names are long, as a cap would say them.
struct ShortName {
    std::string_view place;
    const char* cap;
};
constexpr ShortName kShortNames[] = {
    {"Escape", "Esc"},
    {"Left Shift", "Shift"},
    {"Right Shift", "R Shift"},
    {"Left Ctrl", "Ctrl"},
    {"Right Ctrl", "R Ctrl"},
    {"Left Alt", "Alt"},
    {"Right Alt", "AltGr"},
    {"Page Up", "PgUp"},
    {"Page Down", "PgDn"},
    {"Keypad Minus", "Keypad -"},
    {"Keypad Plus", "Keypad +"},
    {"Keypad Multiply", "Keypad *"},
    {"Keypad Divide", "Keypad /"},
    {"Keypad Period", "Keypad ."},
    {"Print Screen", "PrtSc"},
    {"Left Super", "Super"},
    {"Right Super", "R Super"},
};

// Each control's name: by its place, then on the pads of each family.
struct PadNames {
    const char* place;
    const char* xbox;
    const char* playStation;
    const char* nintendo;
};
constexpr PadNames kPadNames[] = {
    {"South", "A", "Cross", "B"},
    {"East", "B", "Circle", "A"},
    {"West", "X", "Square", "Y"},
    {"North", "Y", "Triangle", "X"},
    {"Back", "Back", "Share", "-"},
    {"Start", "Start", "Options", "+"},
    {"L shoulder", "LB", "L1", "L"},
    {"R shoulder", "RB", "R1", "R"},
    {"D-pad up", "d-pad up", "d-pad up", "d-pad up"},
    {"D-pad down", "d-pad down", "d-pad down", "d-pad down"},
    {"D-pad left", "d-pad left", "d-pad left", "d-pad left"},
    {"D-pad right", "d-pad right", "d-pad right", "d-pad right"},
    {"L stick", "L3", "L3", "L stick"},
    {"R stick", "R3", "R3", "R stick"},
    {"L trigger", "LT", "L2", "ZL"},
    {"R trigger", "RT", "R2", "ZR"},
};

}  // namespace

std::string CKeyLabels::Of(const KeyBinding& binding) {
    return CapAt(keys.PlaceOf(binding), binding);
}

std::string CKeyLabels::Of(Action action, int slot) {
    return CapAt(keys.PlaceOf(action, slot), keys.InUse().Of(action).keys[slot]);
}

std::string CKeyLabels::CapAt(std::uint8_t place, const KeyBinding& binding) {
    if (place == 0) {
        return binding.kind == KeyBinding::Kind::Character ? CapText(binding.character) : std::string();
    }
    if (const char32_t typed = platform::GetKeyboardLayout().CharacterOf(place); typed != 0) {
        return CapText(typed);
    }
    const std::string_view name = PlaceName(place);
    for (const ShortName& entry : kShortNames) {
        if (entry.place == name) {
            return entry.cap;
        }
    }
    return std::string(name);
}

std::string CKeyLabels::First(Action action) {
    for (int slot = 0; slot < Bindings::kKeysPerAction; ++slot) {
        if (!keys.InUse().Of(action).keys[slot].IsNone()) {
            return Of(action, slot);
        }
    }
    return {};
}

std::string CKeyLabels::All(Action action, std::string_view between) {
    std::string text;
    for (int slot = 0; slot < Bindings::kKeysPerAction; ++slot) {
        if (!keys.InUse().Of(action).keys[slot].IsNone()) {
            text += (text.empty() ? "" : std::string(between)) + Of(action, slot);
        }
    }
    return text;
}

std::string CKeyLabels::Pad(Action action) {
    // Before any pad is used, the pads the game was made with.
    const platform::PadState::Family family = keys.PadSeen() ? keys.PadFamily() : platform::PadState::Xbox;
    return PadName(keys.InUse().Of(action).pad, family);
}

std::string CKeyLabels::PadName(PadControl control, platform::PadState::Family family) {
    const int index = static_cast<int>(control);
    if (index < 0 || index >= static_cast<int>(std::size(kPadNames))) {
        return {};
    }
    const PadNames& names = kPadNames[index];
    switch (family) {
        case platform::PadState::Xbox:
            return names.xbox;
        case platform::PadState::PlayStation:
            return names.playStation;
        case platform::PadState::Nintendo:
            return names.nintendo;
        default:
            return names.place;
    }
}

}  // namespace Yorun
