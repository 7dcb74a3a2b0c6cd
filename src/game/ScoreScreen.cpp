#include "game/ScoreScreen.h"

#include "app/Graphics.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/play/XorShift128.h"

namespace Yorun {

namespace {
constexpr float kStartZoom = 35.0f;
constexpr float kLandedZoom = 3.5f;
constexpr float kZoomStep = 1.0f;
}  // namespace

bool CScoreScreen::Initialize() {
    state = &GetGameState();
    EnterDataDirectory("mato_bmp");
    if (!caption.Load(Corvane::g_pDevice, "MaxScore.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    caption.x = static_cast<float>(ScreenWidth() / 4 - 30);
    caption.y = static_cast<float>(ScreenHeight() / 2 - 120);
    caption.SetScale(3.0f, 3.0f);
    landed = false;
    for (CHitPopup& burst : bursts) {
        if (!burst.Init(0)) {
            return false;
        }
        // Drawn once for the whole run: every game shows the same five sizes, 3.0 to 4.4.
        const std::uint32_t drawn = NextRandom();
        burst.SetBurstScale(static_cast<float>(drawn % 15) / 10.0f + 3.0f);
    }
    return true;
}

void CScoreScreen::Reset() {
    landed = false;
    zoom = kStartZoom;
}

void CScoreScreen::Update() {
    for (CHitPopup& burst : bursts) {
        burst.Update();
    }
    if (landed) {
        return;
    }
    if (zoom > kLandedZoom) {
        PlayIfSilent(*state, Cue::kScoreZoom);
        zoom -= kZoomStep;
    } else {
        landed = true;
        zoom = kLandedZoom;
        PlayIfSilent(*state, Cue::kScoreBurst);
        const float centreX = static_cast<float>(ScreenWidth() / 2);
        const float centreY = static_cast<float>(ScreenHeight() / 2);
        for (CHitPopup& burst : bursts) {
            burst.Start(centreX, centreY, 0, false);
        }
    }
}

void CScoreScreen::Render() {
    caption.Draw();
    state->figures.DrawNumber(state->maxScore, static_cast<float>(ScreenWidth() / 4),
                              static_cast<float>(ScreenHeight() / 2 - 25), zoom);
    for (CHitPopup& burst : bursts) {
        burst.Draw();
    }
}

void CScoreScreen::Release() {
    caption.Release();
    for (CHitPopup& burst : bursts) {
        burst.Release();
    }
}

}  // namespace Yorun
