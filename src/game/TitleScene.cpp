#include "game/TitleScene.h"

#include "app/Application.h"
#include "app/Graphics.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Keys.h"
#include "game/Screen.h"
#include "game/replay/Records.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

struct ButtonFiles {
    const char* plain;
    const char* highlighted;
    int cellWidth;
};

constexpr ButtonFiles kStartFiles{"始める.bmp", "始める2.bmp", 150};
constexpr ButtonFiles kQuitFiles{"終わる.bmp", "終わる2.bmp", 150};
constexpr ButtonFiles kEasyFiles{"易しい.bmp", "易しい2.bmp", 150};
constexpr ButtonFiles kNormalFiles{"普通.bmp", "普通2.bmp", 100};
constexpr ButtonFiles kHardFiles{"難しい.bmp", "難しい2.bmp", 150};
constexpr int kButtonHeight = 55;
constexpr float kFirstButtonY = 300.0f;
constexpr float kButtonGap = 10.0f;
// The best scores stand in the open field right of the menu's panel, in digits two thirds the figures' size.
constexpr float kBestX = 492.0f;
constexpr float kBestScale = 0.65f;

bool Triggered(int key) {
    return g_pInput != nullptr && g_pInput->IsKeyTriggered(key);
}

// Up or Down moves the cursor one button through a menu of `count`, round from either end to the other.
// Up wins when both trigger. True when the cursor moved.
bool StepCursor(std::int32_t& cursor, std::int32_t count) {
    if (Triggered(platform::DIK_UP)) {
        cursor -= 1;
        if (cursor < 0) {
            cursor = count - 1;
        }
        return true;
    }
    if (Triggered(platform::DIK_DOWN)) {
        cursor += 1;
        if (cursor >= count) {
            cursor = 0;
        }
        return true;
    }
    return false;
}

// Image 0 is the plain button, image 1 the highlighted one.
bool AddButton(CSpriteSet& button, const ButtonFiles& files) {
    const AnimTable cell = StillAnimTable(files.cellWidth, kButtonHeight);
    const SpriteDesc descs[2] = {MakeSpriteDesc(files.plain, cell), MakeSpriteDesc(files.highlighted, cell)};
    return button.Add(g_pDevice, descs, 2);
}

// Centred across the screen, at the given height.
void Place(CSpriteSet& button, float y) {
    button.x = static_cast<float>(ScreenWidth() / 2) - button.GetWidth() / 2.0f;
    button.y = y;
}

}  // namespace

bool CTitleScene::Initialize() {
    state = &GetGameState();
    EnterDataDirectory("mato_bmp");
    if (!picture.Load(g_pDevice, "mato_title.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    picture.blend = BLEND_NONE;
    // The pointer's background is white, not magenta.
    if (!selectIcon.Load(g_pDevice, "selecticon.bmp", 1.0f, 1.0f, 1.0f, 1.0f)) {
        return false;
    }
    selectIcon.blend = BLEND_NONE;

    if (!AddButton(startButton, kStartFiles)) {
        return false;
    }
    Place(startButton, kFirstButtonY);
    if (!AddButton(quitButton, kQuitFiles)) {
        return false;
    }
    Place(quitButton, startButton.y + quitButton.GetHeight() + kButtonGap);
    if (!AddButton(easyButton, kEasyFiles)) {
        return false;
    }
    Place(easyButton, kFirstButtonY);
    if (!AddButton(normalButton, kNormalFiles)) {
        return false;
    }
    Place(normalButton, easyButton.y + normalButton.GetHeight() + kButtonGap);
    if (!AddButton(hardButton, kHardFiles)) {
        return false;
    }
    Place(hardButton, normalButton.y + hardButton.GetHeight() + kButtonGap);
    if (!bestDigits.LoadNumberFont(0)) {
        return false;
    }

    ResetMenu();
    return true;
}

void CTitleScene::Update() {
    DifficultyStep();
    MainMenuStep();
}

void CTitleScene::ResetMenu() {
    mainCursor = 0;
    difficultyCursor = -1;
    selectIcon.x = startButton.x - static_cast<float>(selectIcon.width) * selectIcon.scaleX;
}

void CTitleScene::PointAt(CSpriteSet& button) {
    selectIcon.y = button.y + static_cast<float>(selectIcon.height) * selectIcon.scaleY * 0.5f;
}

void CTitleScene::DifficultyStep() {
    if (difficultyCursor < 0) {
        return;
    }
    CSpriteSet* buttons[3] = {&easyButton, &normalButton, &hardButton};
    if (StepCursor(difficultyCursor, 3)) {
        PlayRestart(*state, Cue::kMenuCursor);
    }
    const bool clickTakes = ClickChooses(buttons, 3, difficultyCursor);
    Highlight(buttons, 3, difficultyCursor);

    if (Triggered(platform::DIK_RETURN) || clickTakes) {
        // The game itself starts in this same update, when the game sees the scene change.
        state->difficulty = difficultyCursor;
        state->SetScene(SCENE_COUNTDOWN);
    }
}

void CTitleScene::MainMenuStep() {
    if (difficultyCursor >= 0) {
        return;
    }
    CSpriteSet* buttons[2] = {&startButton, &quitButton};
    if (StepCursor(mainCursor, 2)) {
        PlayRestart(*state, Cue::kMenuCursor);
    }
    const bool clickTakes = ClickChooses(buttons, 2, mainCursor);
    Highlight(buttons, 2, mainCursor);

    if (Triggered(platform::DIK_RETURN) || clickTakes) {
        PlayPair(*state, Cue::kConfirm);
        if (mainCursor == 1) {
            if (g_pApplication != nullptr) {
                g_pApplication->Quit();
            }
        } else {
            difficultyCursor = 0;
        }
    }
}

bool CTitleScene::ClickChooses(CSpriteSet* const* buttons, int count, std::int32_t& cursor) {
    int x = 0;
    int y = 0;
    if (!answersClicks || !PointerClicked() || !PointerAt(x, y)) {
        return false;
    }
    for (int index = 0; index < count; ++index) {
        CSpriteSet& button = *buttons[index];
        const float pointX = static_cast<float>(x);
        const float pointY = static_cast<float>(y);
        if (pointX >= button.x && pointX < button.x + button.GetWidth() && pointY >= button.y &&
            pointY < button.y + button.GetHeight()) {
            if (index == cursor) {
                return true;
            }
            cursor = index;
            PlayRestart(*state, Cue::kMenuCursor);
            return false;
        }
    }
    return false;
}

void CTitleScene::Highlight(CSpriteSet* const* buttons, int count, std::int32_t cursor) {
    for (int index = 0; index < count; ++index) {
        if (index == cursor) {
            buttons[index]->Select(1, false);
            PointAt(*buttons[index]);
        } else {
            buttons[index]->Select(0, false);
        }
    }
}

void CTitleScene::Render() {
    picture.Draw();
    if (difficultyCursor < 0) {
        startButton.Draw();
        quitButton.Draw();
    } else {
        easyButton.Draw();
        normalButton.Draw();
        hardButton.Draw();
        DrawBest(DIFFICULTY_EASY, easyButton);
        DrawBest(DIFFICULTY_NORMAL, normalButton);
        DrawBest(DIFFICULTY_HARD, hardButton);
    }
    selectIcon.Draw();
}

void CTitleScene::DrawBest(int difficulty, CSpriteSet& button) {
    const std::int32_t best = records != nullptr ? records->Best(difficulty) : -1;
    if (best < 0) {
        return;
    }
    float w = 0.0f;
    float h = 0.0f;
    bestDigits.SetScale(kBestScale, kBestScale);
    bestDigits.GetScaledSize(w, h);
    // The number starts one digit right of the x it is given.
    bestDigits.DrawNumber(best, kBestX - w, button.y + (static_cast<float>(button.GetHeight()) - h) / 2.0f,
                          kBestScale);
}

void CTitleScene::Release() {
    picture.Release();
    startButton.Clear();
    quitButton.Clear();
    easyButton.Clear();
    normalButton.Clear();
    hardButton.Clear();
    selectIcon.Release();
    bestDigits.Release();
}

}  // namespace Yorun
