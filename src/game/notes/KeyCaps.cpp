#include "game/notes/KeyCaps.h"

#include <algorithm>
#include <string>

#include "app/Graphics.h"
#include "game/Screen.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

namespace {

constexpr const char* kLetteredFiles[4] = {"Z.bmp", "X.bmp", "C.bmp", "V.bmp"};
constexpr const char* kLetters[4] = {"Z", "X", "C", "V"};
constexpr const char* kBlankFiles[4] = {"cap_red.bmp", "cap_yellow.bmp", "cap_blue.bmp", "cap_green.bmp"};
constexpr Action kColourActions[4] = {Action::Red, Action::Yellow, Action::Blue, Action::Green};
// Where a cap's letter stands in its 48-pixel picture: left of the colour's mark.
constexpr float kLetterCentreX = 15.0f;
constexpr float kLetterTop = 7.0f;
constexpr float kLetterWidth = 25.0f;
// The text font's cells are 24 pixels high: a painted letter stands about 30.
constexpr float kLetterScale = 1.5f;

bool LoadCap(Corvane::CSprite& picture, const char* file) {
    const bool loaded = picture.Load(Corvane::g_pDevice, file, 1.0f, 0.0f, 1.0f, 1.0f);
    picture.anchor = Corvane::ANCHOR_TOP_LEFT;
    return loaded;
}

}  // namespace

bool CKeyCaps::Load() {
    EnterDataDirectory("mato_bmp");
    loaded = true;
    for (int colour = 0; colour < 4; ++colour) {
        loaded = LoadCap(lettered[colour], kLetteredFiles[colour]) && loaded;
        loaded = LoadCap(blank[colour], kBlankFiles[colour]) && loaded;
    }
    return loaded;
}

void CKeyCaps::Release() {
    for (int colour = 0; colour < 4; ++colour) {
        lettered[colour].Release();
        blank[colour].Release();
    }
    loaded = false;
}

bool CKeyCaps::Relabelled(CKeyLabels& labels, int colour) {
    return labels.First(kColourActions[colour]) != kLetters[colour];
}

void CKeyCaps::Draw(CNoticeArt& art, CKeyLabels& labels, int colour, float left, float top, float scale,
                    float alpha) {
    if (colour < 0 || colour > 3) {
        return;
    }
    const std::string label = labels.First(kColourActions[colour]);
    Corvane::CSprite& cap = label == kLetters[colour] ? lettered[colour] : blank[colour];
    cap.x = left;
    cap.y = top;
    cap.SetScale(scale, scale);
    cap.alpha = alpha;
    cap.Draw();
    cap.alpha = 1.0f;
    if (label == kLetters[colour]) {
        return;
    }
    // A letter as large as the painted ones; a long name (Shift, Keypad 7) smaller, to stay on the cap.
    const float fit = kLetterWidth * scale / std::max(1.0f, art.text.Width(label));
    const float textScale = std::min(kLetterScale * scale, fit);
    const float textTop =
        top + kLetterTop * scale + (art.gold.Height(scale) - art.gold.Height(textScale)) / 2.0f;
    art.text.alpha = alpha;
    art.text.Draw(label, left + kLetterCentreX * scale, textTop, textScale, CTextFont::Align::Centre);
    art.text.alpha = 1.0f;
}

}  // namespace Yorun
