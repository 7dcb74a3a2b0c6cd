#include "game/options/OptionsScreen.h"

#include <algorithm>
#include <string>

#include "base/DeviceHandles.h"
#include "game/Keys.h"
#include "game/Screen.h"
#include "game/VolumeControl.h"
#include "platform/input/KeyCodes.h"
#include "platform/video/Device.h"
#include "platform/video/Window.h"

namespace Yorun {

namespace {

using Align = CTextFont::Align;

constexpr float kTop = 120.0f;
constexpr float kRowHeight = 44.0f;
constexpr float kNameLeft = 120.0f;
constexpr float kValueLeft = 500.0f;

bool FullScreen(const Settings& settings) {
    const platform::Window* window = MainWindow();
    return window != nullptr ? window->IsFullscreen() : settings.fullScreen;
}

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

}  // namespace

void COptionsScreen::Open() {
    open = true;
    row = 0;
    controlsShown = false;
}

void COptionsScreen::Change(CVolumeControl& settings, int step) {
    Settings chosen = settings.settings;
    switch (row) {
        case kVolume:
            chosen.volume =
                std::clamp(chosen.volume + step, Settings::kLowestVolume, Settings::kHighestVolume);
            chosen.muted = false;
            break;
        case kSound:
            chosen.muted = !chosen.muted;
            break;
        case kDisplay:
            chosen.fullScreen = !FullScreen(chosen);
            if (platform::Window* window = MainWindow()) {
                window->SetFullscreen(chosen.fullScreen);
            }
            break;
        case kScaling:
            chosen.integerScale = !chosen.integerScale;
            if (Corvane::g_pDevice != nullptr) {
                Corvane::g_pDevice->SetIntegerScale(chosen.integerScale);
            }
            break;
        case kFocus:
            chosen.pauseOnFocusLoss = !chosen.pauseOnFocusLoss;
            break;
        case kHands:
            chosen.leftHanded = !chosen.leftHanded;
            break;
        default:
            return;
    }
    settings.Choose(chosen);
}

void COptionsScreen::Update(CVolumeControl& settings, CBoundKeys& keys) {
    if (controlsShown) {
        controlsShown = controls.Update(settings, keys);
        return;
    }
    if (KeyNewlyPressed(platform::DIK_BACK) || KeyNewlyPressed(platform::DIK_O)) {
        open = false;
        return;
    }
    if (KeyTriggered(platform::DIK_UP)) {
        row = (row + kRows - 1) % kRows;
    } else if (KeyTriggered(platform::DIK_DOWN)) {
        row = (row + 1) % kRows;
    }
    if (KeyTriggered(platform::DIK_LEFT)) {
        Change(settings, -1);
    } else if (KeyTriggered(platform::DIK_RIGHT)) {
        Change(settings, 1);
    }
    // The pointer chooses the row it is over; a click changes it as Enter does, and on the volume's value
    // steps it down left of its middle and up right of it.
    int x = 0;
    int y = 0;
    const bool pointed =
        PointerAt(x, y) && static_cast<float>(x) >= kNameLeft - 16.0f &&
        static_cast<float>(y) >= kTop - 8.0f &&
        static_cast<float>(y) < kTop - 8.0f + kRowHeight * static_cast<float>(static_cast<int>(kRows));
    const int pointedRow =
        pointed ? static_cast<int>((static_cast<float>(y) - kTop + 8.0f) / kRowHeight) : -1;
    if (pointed && PointerMoved()) {
        row = pointedRow;
    }
    const bool clicked = pointed && PointerClicked() && pointedRow == row;
    if (clicked && row == kVolume) {
        Change(settings, static_cast<float>(x) < kValueLeft + 30.0f ? -1 : 1);
    }
    if (KeyNewlyPressed(platform::DIK_RETURN) || (clicked && row != kVolume)) {
        if (row == kBack) {
            open = false;
        } else if (row == kControls) {
            controlsShown = true;
            controls.Open();
        } else if (row != kVolume) {
            Change(settings, 1);
        }
    }
}

void COptionsScreen::Draw(CNoticeArt& art, const CVolumeControl& settings, CKeyLabels& labels) {
    if (!open) {
        return;
    }
    if (controlsShown) {
        controls.Draw(art, labels);
        return;
    }
    const float width = static_cast<float>(ScreenWidth());
    const float height = static_cast<float>(ScreenHeight());
    const Settings& chosen = settings.settings;
    art.Veil(0.0f, 0.0f, width, height, 0.92f);
    art.headline.Draw("OPTIONS", width / 2.0f, 24.0f, 1.0f, Align::Centre);
    const std::string values[kRows] = {
        "< " + std::to_string(chosen.volume) + " >",
        chosen.muted ? "off" : "on",
        FullScreen(chosen) ? "full screen" : "window",
        OnOff(chosen.integerScale),
        OnOff(chosen.pauseOnFocusLoss),
        chosen.leftHanded ? "left-handed" : "right-handed",
        "English",
        ">",
        "",
    };
    const char* names[kRows] = {"Volume",
                                "Sound",
                                "Display",
                                "Whole-number scaling",
                                "Pause when the window loses focus",
                                "Touch controls",
                                "Language",
                                "Controls",
                                "Back"};
    for (int index = 0; index < kRows; ++index) {
        const float top = kTop + static_cast<float>(index) * kRowHeight;
        const bool chosenRow = index == row;
        if (chosenRow) {
            art.Veil(kNameLeft - 16.0f, top - 8.0f, width - kNameLeft + 16.0f, top + 32.0f, 0.9f);
            art.gold.Draw(">", kNameLeft - 12.0f, top);
        }
        CTextFont& font = chosenRow ? art.gold : art.text;
        // The language is English alone for now: its row is there, and says so.
        font.alpha = index == kLanguage ? 0.5f : 1.0f;
        font.Draw(names[index], kNameLeft + 8.0f, top);
        font.Draw(values[index], kValueLeft, top);
        font.alpha = 1.0f;
    }
    art.text.Draw(ByTouch() ? std::string("tap a row to change it, the volume left or right of its number")
                            : labels.First(Action::AimUp) + "/" + labels.First(Action::AimDown) +
                                  " choose   " + labels.First(Action::AimLeft) + "/" +
                                  labels.First(Action::AimRight) + " change   Enter   Backspace back",
                  width / 2.0f, height - 44.0f, 1.0f, Align::Centre);
}

}  // namespace Yorun
