#pragma once

#include <cstdint>

#include "sprite/Sprite.h"
#include "sprite/SpriteSet.h"

namespace Yorun {

class CGameState;
class CRecords;

// The title: a picture with a main menu (start, quit) and a difficulty menu (easy, normal, hard), worked
// with Up, Down and Enter. A pointer stands left of the selected button. Besides the classic game, a click
// or a tap on a button chooses it, and one on the button already chosen takes it, as Enter does.
class CTitleScene {
public:
    CTitleScene() = default;

    CTitleScene(const CTitleScene&) = delete;
    CTitleScene& operator=(const CTitleScene&) = delete;

    bool Initialize();
    void Update();
    void ResetMenu();
    void Render();
    void Release();

    std::int32_t mainCursor = 0;
    std::int32_t difficultyCursor = -1;
    Corvane::CSprite picture;
    Corvane::CSpriteSet startButton;
    Corvane::CSpriteSet quitButton;
    Corvane::CSpriteSet easyButton;
    Corvane::CSpriteSet normalButton;
    Corvane::CSpriteSet hardButton;
    Corvane::CSprite selectIcon;
    CGameState* state = nullptr;
    const CRecords* records = nullptr;  // the best score shown beside each difficulty, when there is one
    Corvane::CSprite bestDigits;        // the digits it is shown in
    bool answersClicks = false;         // the buttons answer a click or a tap (not in the classic game)

private:
    void DifficultyStep();
    void MainMenuStep();
    // The pointer's height beside a button.
    void PointAt(Corvane::CSpriteSet& button);
    // The button under the cursor shows its highlighted image and gets the pointer; the others show their
    // plain image.
    void Highlight(Corvane::CSpriteSet* const* buttons, int count, std::int32_t cursor);
    void DrawBest(int difficulty, Corvane::CSpriteSet& button);
    // Moves the cursor to the button clicked this frame; true when the click was on the button already
    // chosen, which takes it.
    bool ClickChooses(Corvane::CSpriteSet* const* buttons, int count, std::int32_t& cursor);
};

}  // namespace Yorun
