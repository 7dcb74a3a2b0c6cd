#include "game/play/ArrowStock.h"

#include "app/Graphics.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

constexpr int kRefillUpdates = 100;
constexpr float kSingleOverlap = 22.0f;
constexpr float kBlinkStep = 0.02f;

// The notice's blinking direction, shared by every stock and kept for the whole run.
bool emptyFadingIn = false;

}  // namespace

bool CArrowStock::IsEmptyNoticeFadingIn() {
    return emptyFadingIn;
}

void CArrowStock::SetEmptyNoticeFadingIn(bool fadingIn) {
    emptyFadingIn = fadingIn;
}

bool CArrowStock::Initialize() {
    state = &GetGameState();
    if (!countdownDigits.LoadNumberFont(3)) {
        return false;
    }
    EnterDataDirectory("mato_bmp");

    CSprite scratch;
    if (!scratch.Load(g_pDevice, "shot_stock_10_test.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    scratch.y = 510.0f;
    scratch.SetScale(1.0f, 1.0f);
    scratch.blend = BLEND_ALPHA;
    for (int index = 0; index < 2; ++index) {
        scratch.CopyTo(&tens[index]);
        tens[index].x =
            20.0f + static_cast<float>(index) * (static_cast<float>(tens[index].width) * tens[index].scaleX);
    }

    if (!scratch.Load(g_pDevice, "shot_stock_1_test.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    scratch.y = 520.0f;
    scratch.SetScale(1.0f, 1.0f);
    scratch.blend = BLEND_ALPHA;
    for (int index = 0; index < 10; ++index) {
        scratch.CopyTo(&ones[index]);
        ones[index].x =
            100.0f + static_cast<float>(index) *
                         (static_cast<float>(ones[index].width) * ones[index].scaleX - kSingleOverlap);
    }

    if (!emptyNotice.Load(g_pDevice, "stock0.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    emptyNotice.x = static_cast<float>(ScreenWidth()) / 2.0f -
                    static_cast<float>(emptyNotice.width) * emptyNotice.scaleX / 2.0f;
    emptyNotice.y = static_cast<float>(ScreenHeight()) * 0.5f;

    count = kFull;
    emptyNoticed = false;
    refilling = false;
    return true;
}

void CArrowStock::ResetStock() {
    count = kFull;
    refilling = false;
    emptyNoticed = false;
    refillFrames = 0;
}

void CArrowStock::Update() {
    if (!IsRefillRunning()) {
        if (count < kFull && g_pInput != nullptr && g_pInput->IsKeyTriggered(platform::DIK_SPACE)) {
            refilling = true;
            PlayIfSilent(*state, Cue::kStockNotice);
        }
        if (count == 0 && !emptyNoticed) {
            emptyNoticed = true;
            PlayIfSilent(*state, Cue::kStockNotice);
        }
    }
    // A refill started by this update's key press counts this update as its first.
    if (refilling) {
        refillFrames += 1;
        if (refillFrames > kRefillUpdates) {
            refillFrames = 0;
            count = kFull;
            emptyNoticed = false;
            refilling = false;
        }
    }
}

void CArrowStock::Draw() {
    if (count > 0) {
        for (int index = 0; index < count / 10; ++index) {
            tens[index].Draw();
        }
        for (int index = 0; index < count % 10; ++index) {
            ones[index].Draw();
        }
    }
    if (count == 0 && !IsRefillRunning()) {
        float value;
        if (!emptyFadingIn) {
            value = emptyNotice.alpha - kBlinkStep;
            if (value < 0.0f) {
                emptyFadingIn = true;
            }
        } else {
            value = emptyNotice.alpha + kBlinkStep;
            if (value > 1.0f) {
                emptyFadingIn = false;
            }
        }
        emptyNotice.alpha = value;
        emptyNotice.Draw();
    } else if (IsRefillRunning()) {
        countdownDigits.DrawNumber(kRefillUpdates - refillFrames, static_cast<float>(ScreenWidth() / 2 - 75),
                                   static_cast<float>(ScreenHeight()) * 0.5f - 50.0f, 1.0f);
    }
}

void CArrowStock::Release() {
    for (CSprite& image : tens) {
        image.Release();
    }
    for (CSprite& image : ones) {
        image.Release();
    }
    emptyNotice.Release();
    countdownDigits.Release();
}

}  // namespace Yorun
