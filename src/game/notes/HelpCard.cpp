#include "game/notes/HelpCard.h"

#include <string>
#include <vector>

#include "app/Graphics.h"
#include "game/Keys.h"
#include "game/Screen.h"
#include "game/VolumeControl.h"
#include "platform/input/KeyCodes.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

namespace {

constexpr const char* kTargetFiles[4] = {"Target00 Corer1.bmp", "Target00 Corer2.bmp", "Target00 Corer3.bmp",
                                         "Target00 Corer4.bmp"};
constexpr const char* kArrowFiles[4] = {"arrow_red_up.bmp", "arrow_yellow_up.bmp", "arrow_blue_up.bmp",
                                        "arrow_green_up.bmp"};

// The keys, what they do and the pad's buttons for them, in three columns.
struct KeyLine {
    std::string keys;
    const char* action;
    std::string pad;
};

// The labels of several actions' first keys (or pad controls), between each two the text given.
template <typename Label>
std::string Joined(std::initializer_list<Action> actions, const char* between, Label label) {
    std::string text;
    for (const Action action : actions) {
        text += (text.empty() ? "" : between) + label(action);
    }
    return text;
}

std::vector<KeyLine> KeyLines(CKeyLabels& labels) {
    const auto key = [&labels](Action action) { return labels.First(action); };
    const auto pad = [&labels](Action action) { return labels.Pad(action); };
    const bool arrows = key(Action::AimUp) == "Up" && key(Action::AimDown) == "Down" &&
                        key(Action::AimLeft) == "Left" && key(Action::AimRight) == "Right";
    const bool dpad =
        labels.Pad(Action::AimUp) == CKeyLabels::PadName(PadControl::DpadUp, platform::PadState::Xbox);
    // The key of = is the key of +: the card calls it by the sign it turns the volume with.
    std::string up = key(Action::VolumeUp);
    if (up == "=") {
        up = "+";
    }
    return {
        {arrows ? "Arrows"
                : Joined({Action::AimUp, Action::AimLeft, Action::AimDown, Action::AimRight}, " ", key),
         "move the sight",
         dpad ? "stick, d-pad"
              : "stick, " +
                    Joined({Action::AimUp, Action::AimLeft, Action::AimDown, Action::AimRight}, " ", pad)},
        {key(Action::AimFast), "move it faster", pad(Action::AimFast)},
        {Joined({Action::Red, Action::Yellow, Action::Blue, Action::Green}, " ", key), "loose an arrow",
         Joined({Action::Red, Action::Yellow, Action::Blue, Action::Green}, " ", pad)},
        {Joined({Action::SpeedOn, Action::SpeedBack}, "  ", key), "arrow speed: slow, fast",
         Joined({Action::SpeedOn, Action::SpeedBack}, "  ", pad)},
        {key(Action::Refill), "refill 20 (waits 1.6 s)", pad(Action::Refill)},
        {key(Action::Pause), "pause, resume", pad(Action::Pause)},
        {key(Action::VolumeDown) + "  " + up + "  " + key(Action::Mute), "volume, sound off",
         Joined({Action::VolumeDown, Action::VolumeUp}, "  ", pad)},
        {"Esc", "quit", "Back"},
    };
}

// The touch controls around the picture, what they do and how.
std::vector<KeyLine> TouchLines() {
    return {
        {"Aim area", "move the sight", "drag from where it lands"},
        {"Aim area", "move it faster", "drag farther"},
        {"Colours", "loose an arrow", "hold to keep loosing"},
        {"Speed", "arrow speed: slow, fast", "the two Speed buttons"},
        {"Refill", "refill 20 (waits 1.6 s)", ""},
        {"Pause", "pause, resume", "top right of the controls"},
    };
}

// A target's picture is 96 pixels square; on the card each depth is shown at 70 % of its size on the field,
// with an arrow at 70 % of the size that hits it there.
constexpr float kCardScale = 0.7f;
constexpr float kColourTargetScale = 0.5f;
constexpr float kTargetSide = 96.0f;
constexpr float kDepthTargetScales[3] = {0.6f, 1.0f, 1.2f};
constexpr float kDepthArrowScales[3] = {0.10f, 0.20f, 0.30f};
constexpr const char* kDepthNames[3] = {"far", "middle", "near"};
// Where an arrow's point lies in its 256-pixel picture.
constexpr float kArrowTipX = 35.0f;
constexpr float kArrowTipY = 80.0f;

bool LoadPicture(Corvane::CSprite& picture, const char* file) {
    const bool loaded = picture.Load(Corvane::g_pDevice, file, 1.0f, 0.0f, 1.0f, 1.0f);
    picture.anchor = Corvane::ANCHOR_TOP_LEFT;
    return loaded;
}

void Place(Corvane::CSprite& picture, float left, float top, float scale) {
    picture.x = left;
    picture.y = top;
    picture.SetScale(scale, scale);
    picture.Draw();
}

}  // namespace

bool CHelpCard::Initialize() {
    EnterDataDirectory("mato_bmp");
    loaded = caps.Load();
    EnterDataDirectory("mato_bmp");
    for (int colour = 0; colour < 4; ++colour) {
        loaded = LoadPicture(targets[colour], kTargetFiles[colour]) && loaded;
        loaded = LoadPicture(arrows[colour], kArrowFiles[colour]) && loaded;
    }
    open = false;
    return loaded;
}

void CHelpCard::Release() {
    caps.Release();
    for (int colour = 0; colour < 4; ++colour) {
        targets[colour].Release();
        arrows[colour].Release();
    }
    loaded = false;
}

void CHelpCard::Update(CVolumeControl& settings) {
    if (KeyNewlyPressed(platform::DIK_F1) || KeyNewlyPressed(platform::DIK_RETURN) ||
        KeyNewlyPressed(platform::DIK_BACK) || PointerClicked()) {
        open = false;
    } else if (KeyNewlyPressed(platform::DIK_O)) {
        settings.SetPauseOnFocusLoss(!settings.settings.pauseOnFocusLoss);
    }
}

void CHelpCard::Draw(CNoticeArt& art, bool pauseOnFocusLoss, CKeyLabels& labels, bool byTouch) {
    const float width = static_cast<float>(ScreenWidth());
    const float height = static_cast<float>(ScreenHeight());
    art.Veil(0.0f, 0.0f, width, height, 0.92f);
    art.headline.Draw("HOW TO PLAY", width / 2.0f, 10.0f, 1.0f, CTextFont::Align::Centre);
    art.text.Draw("Hit the targets before the 91 seconds run out.", width / 2.0f, 62.0f, 1.0f,
                  CTextFont::Align::Centre);
    DrawKeys(art, labels, byTouch);
    DrawColourRule(art, 24.0f, 338.0f, labels, byTouch);
    DrawDepthRule(art, 412.0f, 338.0f);
    const std::string setting = (byTouch ? std::string() : labels.First(Action::Options) + "  ") +
                                "pause when the window loses focus: " + (pauseOnFocusLoss ? "ON" : "OFF");
    art.text.Draw(setting, 24.0f, 550.0f);
    art.gold.Draw(byTouch ? std::string("tap to close") : labels.First(Action::Help) + " close",
                  width - 24.0f, 550.0f, 1.0f, CTextFont::Align::Right);
}

void CHelpCard::DrawKeys(CNoticeArt& art, CKeyLabels& labels, bool byTouch) {
    constexpr float kLeft = 52.0f;
    constexpr float kActionLeft = kLeft + 10 * CNoticeArt::kSmallAdvance;
    constexpr float kPadLeft = kLeft + 36 * CNoticeArt::kSmallAdvance;
    float top = 96.0f;
    art.gold.Draw(byTouch ? "TOUCH" : "KEY", kLeft, top);
    art.gold.Draw(byTouch ? "HOW" : "PAD", kPadLeft, top);
    top += 26.0f;
    for (const KeyLine& line : byTouch ? TouchLines() : KeyLines(labels)) {
        art.gold.Draw(line.keys, kLeft, top);
        art.text.Draw(line.action, kActionLeft, top);
        art.text.Draw(line.pad, kPadLeft, top);
        top += 25.0f;
    }
}

void CHelpCard::DrawColourRule(CNoticeArt& art, float left, float top, CKeyLabels& labels, bool byTouch) {
    art.Veil(left - 8.0f, top - 6.0f, left + 372.0f, top + 190.0f, 0.5f);
    art.gold.Draw("COLOUR", left, top);
    art.text.Draw(byTouch ? "Each button looses its colour;" : "Each key looses its colour;", left,
                  top + 26.0f);
    art.text.Draw("the wrong colour costs points.", left, top + 50.0f);
    for (int colour = 0; colour < 4; ++colour) {
        const float column = left + 4.0f + static_cast<float>(colour) * 92.0f;
        caps.Draw(art, labels, colour, column, top + 96.0f, 0.75f);
        Place(targets[colour], column + 38.0f, top + 86.0f, kColourTargetScale);
    }
    art.text.Draw("Each colour has its shape too.", left, top + 154.0f);
}

void CHelpCard::DrawDepthRule(CNoticeArt& art, float left, float top) {
    art.Veil(left - 8.0f, top - 6.0f, left + 372.0f, top + 190.0f, 0.5f);
    art.gold.Draw("DEPTH", left, top);
    art.text.Draw("Arrows shrink as they fly and", left, top + 26.0f);
    art.text.Draw("hit only at their own size:", left, top + 50.0f);
    constexpr float kGroundLine = 160.0f;
    for (int depth = 0; depth < 3; ++depth) {
        const float side = kTargetSide * kDepthTargetScales[depth] * kCardScale;
        const float column = left + 24.0f + static_cast<float>(depth) * 118.0f;
        const float targetTop = top + kGroundLine - side;
        Place(targets[depth], column, targetTop, kDepthTargetScales[depth] * kCardScale);
        // The arrow's point at the target's centre, as it lands.
        const float arrowScale = kDepthArrowScales[depth] * kCardScale;
        Place(arrows[depth], column + side / 2.0f - kArrowTipX * arrowScale,
              targetTop + side / 2.0f - kArrowTipY * arrowScale, arrowScale);
        art.text.Draw(kDepthNames[depth], column + side / 2.0f, top + kGroundLine + 2.0f, 1.0f,
                      CTextFont::Align::Centre);
    }
}

}  // namespace Yorun
