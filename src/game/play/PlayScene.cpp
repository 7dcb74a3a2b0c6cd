#include "game/play/PlayScene.h"

#include <algorithm>

#include "app/Graphics.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/play/PlayTypes.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

constexpr const char* kKeyLabelFiles[4] = {"Z.bmp", "X.bmp", "C.bmp", "V.bmp"};
constexpr int kFireKeys[4] = {platform::DIK_Z, platform::DIK_X, platform::DIK_C, platform::DIK_V};

// Per depth (far, middle, near): where the depth's scale window sits in the hit windows, how far the
// centre box is drawn in, and what the points shown for a correct hit are multiplied by.
constexpr int kWindowIndex[3] = {0, 4, 2};
constexpr int kInnerDeflation[3] = {33, 38, 43};
constexpr float kFigureFactor[3] = {1.5f, 1.0f, 0.8f};
constexpr int kOuterDeflation = 5;
// A target fading below this opacity cannot be hit.
constexpr float kHittableAlpha = 0.6f;

bool Held(int key) {
    return g_pInput != nullptr && g_pInput->IsKeyDown(key);
}

bool LoadAt(CSprite& image, const char* fileName, float scaleX, float scaleY, float x, float y) {
    if (!image.Load(g_pDevice, fileName, 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    image.SetScale(scaleX, scaleY);
    image.x = x;
    image.y = y;
    return true;
}

}  // namespace

CPlayScene::CPlayScene()
    : depthBands{-1.0f, 0.08f, 0.18f, 0.28f, 2.0f},
      hitWindows{0.08f, 0.12f, 0.28f, 0.32f, 0.18f, 0.22f},
      hitInsets{CRectangle(0, 5, 248, 243), CRectangle(1, 12, 243, 234), CRectangle(3, 18, 239, 224)} {}

bool CPlayScene::Initialize() {
    state = &GetGameState();
    if (!targets.Initialize() || !arrows.Initialize() || !popups.Initialize() || !stock.Initialize() ||
        !cursor.Initialize()) {
        return false;
    }
    if (!scoreDigits.LoadNumberFont(2)) {
        return false;
    }
    EnterDataDirectory("mato_bmp");
    return LoadHud();
}

bool CPlayScene::LoadHud() {
    const float width = static_cast<float>(ScreenWidth());
    if (!LoadAt(scoreLabel, "Score.bmp", 1.8f, 1.8f, 10.0f, 10.0f)) {
        return false;
    }
    scoreLabel.blend = BLEND_ALPHA;
    if (!LoadAt(timeLabel, "Time.bmp", 1.0f, 1.0f, 0.0f, 10.0f)) {
        return false;
    }
    timeLabel.x = static_cast<float>(ScreenWidth() / 2) - static_cast<float>(timeLabel.width) / 2.0f;
    if (!LoadAt(background, "Yorun_back.bmp", 1.0f, 1.0f, 0.0f, 0.0f)) {
        return false;
    }
    if (!LoadAt(comboLabel, "combo.bmp", 1.5f, 1.5f, 0.0f, 520.0f)) {
        return false;
    }
    comboLabel.x = width - static_cast<float>(comboLabel.width) * 1.5f - 150.0f;
    for (int colour = 0; colour < 4; ++colour) {
        CSprite& label = keyLabels[colour];
        if (!LoadAt(label, kKeyLabelFiles[colour], 0.8f, 0.8f, 0.0f, 450.0f)) {
            return false;
        }
        label.x = 10.0f + static_cast<float>(colour) * (static_cast<float>(label.width) * 0.8f);
    }
    if (!LoadAt(band, "Black.bmp", 1.0f, 0.3f, 0.0f, 500.0f)) {
        return false;
    }
    band.alpha = 0.3f;
    return true;
}

void CPlayScene::StartPlay() {
    cursor.Centre();
    elapsedTime = 0.0f;
    remainingTime = 0.0f;
    arrows.ResetSlots();
    targets.ResetSlots();
    stock.ResetStock();
    popups.HideAll();
}

void CPlayScene::Update() {
    targets.Update();
    arrows.Update();
    FiringStep();
    // An arrow scores at most once and a target is hit at most once: a hit hides both.
    for (CArrow& arrow : arrows.slots) {
        for (CTarget& target : targets.slots) {
            JudgeHit(target, arrow);
        }
    }
    aimDirection = cursor.Update();
    targets.TryLaunch();
    popups.Update();
    stock.Update();
    elapsedTime += FrameSeconds();
    remainingTime = kRoundSeconds - elapsedTime;

    if (remainingTime < 0.0f) {
        state->SetScene(SCENE_RESULT);
        PlayRestart(*state, Cue::kTimeUp);
    }
}

void CPlayScene::FiringStep() {
    int colour = -1;
    for (int key = 0; key < 4 && colour < 0; ++key) {
        if (Held(kFireKeys[key])) {
            colour = key;
        }
    }
    if (colour < 0) {
        return;
    }
    if (stock.GetCount() == 0) {
        PlayIfSilent(*state, Cue::kEmptyStock);
        return;
    }
    if (stock.IsRefillRunning()) {
        return;
    }
    float w = 0.0f;
    float h = 0.0f;
    cursor.GetScaledSize(w, h);
    // The cursor has not moved yet this update: the arrow leaves from where it stood after the last one.
    if (arrows.Fire(cursor.x, cursor.y, w, h, aimDirection, colour)) {
        stock.Take(1);
        state->round.shots += 1;
        targets.Scare(cursor.GetRectangle());
    }
}

void CPlayScene::JudgeHit(CTarget& target, CArrow& arrow) {
    if (!target.picture.visible || !arrow.picture.visible || target.picture.alpha < kHittableAlpha) {
        return;
    }
    const int depth = target.depth;
    const float low = hitWindows[kWindowIndex[depth]];
    const float high = hitWindows[kWindowIndex[depth] + 1];
    const CRectangle& insets = hitInsets[depth];
    const float scale = arrow.picture.scaleX;
    if (scale < low || scale > high) {
        return;
    }

    arrow.hitBox = arrow.frameBox;
    const CRectangle bounds = target.picture.GetBounds();
    target.outerBox.Normalize(bounds.left, bounds.top, bounds.right, bounds.bottom);
    target.innerBox = target.outerBox;
    arrow.hitBox.Offset(static_cast<std::int32_t>(arrow.trackX), static_cast<std::int32_t>(arrow.trackY));
    arrow.hitBox.left += insets.left;
    arrow.hitBox.top += insets.top;
    arrow.hitBox.right -= insets.right;
    arrow.hitBox.bottom -= insets.bottom;
    target.outerBox.Deflate(kOuterDeflation, kOuterDeflation);
    target.innerBox.Deflate(kInnerDeflation[depth], kInnerDeflation[depth]);

    if (target.innerBox.Intersects(arrow.hitBox)) {
        ScoreHit(target, arrow, 20);
    } else if (target.outerBox.Intersects(arrow.hitBox) && low < scale && scale < high) {
        ScoreHit(target, arrow, 10);
    }
}

void CPlayScene::ScoreHit(CTarget& target, CArrow& arrow, int ring) {
    const int combo = state->combo;
    PlayRoundRobin(*state, Cue::kHit, state->hitCueNext, Cue::kHitSlots);
    int figure = 0;
    const bool minus = arrow.colour != target.colour;
    if (!minus) {
        figure = ring == 10 ? 5 * (combo + 2) : 20 + 10 * combo;
        state->score += figure;
        state->combo += 1;
        state->round.hits += 1;
        state->round.longestCombo = std::max(state->round.longestCombo, state->combo);
        // Only the points shown grow with the distance, not the score.
        figure = static_cast<int>(static_cast<float>(figure) * kFigureFactor[target.depth]);
    } else {
        PlayRestart(*state, Cue::kWrongColour);
        figure = ring == 10 ? 10 + 10 * combo : 20 * (combo + 1);
        state->score -= figure;
        if (state->score <= 0) {
            state->score = 0;
        }
        state->combo = 0;
    }
    const float centreX = target.picture.x + target.picture.GetWidth() / 2.0f;
    const float centreY = target.picture.y + target.picture.GetHeight() / 2.0f;
    popups.Show(minus, centreX, centreY, figure);
    target.Hide();
    arrow.picture.visible = false;
}

void CPlayScene::Draw() {
    background.Draw();
    band.Draw();
    // Arrows only shrink: each is drawn in front of the depth it has not yet reached.
    arrows.DrawBand(depthBands[1], depthBands[0]);
    targets.DrawDepth(DEPTH_FAR);
    arrows.DrawBand(depthBands[2], depthBands[1]);
    targets.DrawDepth(DEPTH_MIDDLE);
    arrows.DrawBand(depthBands[3], depthBands[2]);
    targets.DrawDepth(DEPTH_NEAR);
    arrows.DrawBand(depthBands[4], depthBands[3]);

    for (int colour = 0; colour < 4; ++colour) {
        bool onField = false;
        for (const CTarget& target : targets.slots) {
            onField = onField || (target.picture.visible && target.colour == colour);
        }
        keyLabels[colour].alpha = onField ? 1.0f : 0.1f;
        keyLabels[colour].Draw();
    }

    scoreLabel.Draw();
    scoreDigits.DrawNumber(state->score, static_cast<float>(scoreLabel.width) * 1.8f, 10.0f, 1.8f);
    cursor.Draw();
    stock.Draw();
    timeLabel.Draw();
    const int secondsLeft = static_cast<int>(remainingTime);
    const float clockX = static_cast<float>(ScreenWidth() / 2 - 70);
    state->figures.DrawNumber(secondsLeft, clockX, 50.0f, 1.5f);
    comboLabel.Draw();
    state->figures.DrawNumber(state->combo, 650.0f, 520.0f, 1.8f);
    popups.Draw();
}

void CPlayScene::Release() {
    scoreLabel.Release();
    timeLabel.Release();
    background.Release();
    scoreDigits.Release();
    for (CSprite& label : keyLabels) {
        label.Release();
    }
    comboLabel.Release();
    band.Release();
    cursor.image.Release();
    stock.Release();
    arrows.Release();
    popups.Release();
}

}  // namespace Yorun
