#include "game/options/ControlsList.h"

#include <utility>

#include "game/Keys.h"
#include "game/Screen.h"
#include "game/VolumeControl.h"
#include "game/controls/KeyNames.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/KeyboardLayout.h"

namespace Yorun {

namespace {

using Align = CTextFont::Align;

constexpr float kTop = 92.0f;
constexpr float kRowHeight = 19.5f;
constexpr float kRowScale = 0.8f;
constexpr float kNameLeft = 40.0f;
constexpr float kColumnLefts[3] = {330.0f, 470.0f, 610.0f};
constexpr int kRows = CControlsList::kBackRow + 1;

std::string NameOf(Action action) {
    const ActionInfo& info = InfoOf(action);
    std::string name = info.name;
    // Keys that always do it besides what is bound.
    if (action == Action::Confirm) {
        name += " (and Enter)";
    } else if (action == Action::FullScreen) {
        name += " (and Alt+Enter)";
    }
    return name;
}

}  // namespace

void CControlsList::Open() {
    row = 0;
    column = 0;
    waiting = false;
    message.clear();
    messageUpdates = 0;
}

void CControlsList::Say(std::string text) {
    message = std::move(text);
    messageUpdates = kMessageUpdates;
}

void CControlsList::Keep(CVolumeControl& settings, CBoundKeys& keys, const Bindings& bindings) {
    Settings chosen = settings.settings;
    chosen.bindings = bindings;
    settings.Choose(chosen);
    keys.Use(bindings);
}

void CControlsList::Bind(CVolumeControl& settings, CBoundKeys& keys, std::uint8_t place, PadControl control) {
    const Action action = static_cast<Action>(row);
    Bindings bindings = keys.InUse();
    const Bindings before = bindings;
    CKeyLabels labels(keys);
    Bindings::Swap swap;
    std::string taken;
    if (column == 2) {
        taken = CKeyLabels::PadName(control, keys.PadSeen() ? keys.PadFamily() : platform::PadState::Xbox);
        swap = bindings.BindPad(action, control);
    } else {
        // A shortcut follows what the key types; a play key stays at its place.
        const char32_t typed = platform::GetKeyboardLayout().CharacterOf(place);
        const KeyBinding key = InfoOf(action).byLabel && TypesACharacter(place) && typed != 0
                                   ? KeyBinding::Typing(typed)
                                   : KeyBinding::AtPlace(place);
        taken = labels.Of(key);
        swap = bindings.BindKey(action, column, key,
                                [&keys](const KeyBinding& held) { return keys.PlaceOf(held); });
    }
    Keep(settings, keys, bindings);
    if (swap.from == Action::Count) {
        Say(taken + " now does " + InfoOf(action).name);
        return;
    }
    const Bindings::Entry& old = before.Of(action);
    const std::string given = column == 2 ? labels.Pad(swap.from) : labels.Of(old.keys[column]);
    Say(taken + " was " + InfoOf(swap.from).name + "'s: " + InfoOf(swap.from).name +
        (swap.to == Action::Count || given.empty() ? " has none now" : " has " + given + " now"));
}

bool CControlsList::Update(CVolumeControl& settings, CBoundKeys& keys) {
    if (messageUpdates > 0 && --messageUpdates == 0) {
        message.clear();
    }
    if (waiting) {
        if (keys.NewKey() == platform::DIK_BACK) {
            waiting = false;
            Say("Nothing changed");
        } else if (column == 2 && keys.NewPadControl() != PadControl::None) {
            waiting = false;
            Bind(settings, keys, 0, keys.NewPadControl());
        } else if (column < 2 && keys.NewKey() != 0) {
            const std::uint8_t place = keys.NewKey();
            if (Bindings::IsReserved(KeyBinding::AtPlace(place))) {
                Say(std::string(PlaceName(place)) + " keeps its own meaning: choose another key");
            } else {
                waiting = false;
                Bind(settings, keys, place, PadControl::None);
            }
        }
        return true;
    }
    if (KeyNewlyPressed(platform::DIK_BACK)) {
        return false;
    }
    if (KeyTriggered(platform::DIK_UP)) {
        row = (row + kRows - 1) % kRows;
    } else if (KeyTriggered(platform::DIK_DOWN)) {
        row = (row + 1) % kRows;
    }
    if (KeyTriggered(platform::DIK_LEFT)) {
        column = (column + 2) % 3;
    } else if (KeyTriggered(platform::DIK_RIGHT)) {
        column = (column + 1) % 3;
    }
    if (keys.NewKey() == platform::DIK_DELETE && row < kActionCount) {
        Bindings bindings = keys.InUse();
        bindings.Reset(static_cast<Action>(row));
        Keep(settings, keys, bindings);
        Say(std::string(InfoOf(static_cast<Action>(row)).name) + ": as the game comes");
    }
    // The pointer chooses the row and the column it is over; a click takes them as Enter does.
    int x = 0;
    int y = 0;
    const bool pointed = PointerAt(x, y) && static_cast<float>(y) >= kTop &&
                         static_cast<float>(y) < kTop + kRowHeight * static_cast<float>(kRows);
    if (pointed && PointerMoved()) {
        row = static_cast<int>((static_cast<float>(y) - kTop) / kRowHeight);
        for (int cell = 0; cell < 3; ++cell) {
            column = static_cast<float>(x) >= kColumnLefts[cell] ? cell : column;
        }
    }
    if (KeyNewlyPressed(platform::DIK_RETURN) || (pointed && PointerClicked())) {
        if (row == kBackRow) {
            return false;
        }
        if (row == kResetAllRow) {
            Bindings bindings = keys.InUse();
            bindings.ResetAll();
            Keep(settings, keys, bindings);
            Say("Every key and button as the game comes");
        } else {
            waiting = true;
        }
    }
    return true;
}

void CControlsList::Draw(CNoticeArt& art, CKeyLabels& labels) {
    const float width = static_cast<float>(ScreenWidth());
    const float height = static_cast<float>(ScreenHeight());
    art.Veil(0.0f, 0.0f, width, height, 0.94f);
    art.headline.Draw("CONTROLS", width / 2.0f, 6.0f, 1.0f, Align::Centre);
    art.gold.Draw("KEY", kColumnLefts[0], 64.0f);
    art.gold.Draw("KEY", kColumnLefts[1], 64.0f);
    art.gold.Draw("PAD", kColumnLefts[2], 64.0f);
    for (int index = 0; index < kRows; ++index) {
        const float top = kTop + static_cast<float>(index) * kRowHeight;
        const bool chosen = index == row;
        if (chosen) {
            art.Veil(kNameLeft - 8.0f, top - 2.0f, width - 24.0f, top + kRowHeight - 1.0f, 0.9f);
        }
        CTextFont& font = chosen ? art.gold : art.text;
        if (index >= kActionCount) {
            font.Draw(index == kResetAllRow ? "Reset all" : "Back", kNameLeft, top, kRowScale);
            continue;
        }
        const Action action = static_cast<Action>(index);
        font.Draw(NameOf(action), kNameLeft, top, kRowScale);
        const std::string cells[3] = {labels.Of(action, 0), labels.Of(action, 1), labels.Pad(action)};
        for (int cell = 0; cell < 3; ++cell) {
            const bool here = chosen && cell == column;
            std::string text = cells[cell].empty() ? "-" : cells[cell];
            if (here && waiting) {
                text = "...";
            }
            CTextFont& cellFont = here ? art.gold : art.text;
            cellFont.Draw(here ? "[" + text + "]" : text, kColumnLefts[cell], top, kRowScale);
        }
    }
    std::string footer = "Enter change   Delete as the game comes   Backspace back";
    if (waiting) {
        footer = std::string(column == 2 ? "Press a pad button for " : "Press a key for ") +
                 InfoOf(static_cast<Action>(row)).name + ", Backspace to cancel";
    }
    if (!message.empty()) {
        art.gold.Draw(message, width / 2.0f, height - 54.0f, kRowScale, Align::Centre);
    }
    art.text.Draw(footer, width / 2.0f, height - 30.0f, kRowScale, Align::Centre);
}

}  // namespace Yorun
