#pragma once

#include "game/play/AimCursor.h"
#include "game/play/ArrowPool.h"
#include "game/play/ArrowStock.h"
#include "game/play/ScorePopups.h"
#include "game/play/TargetPool.h"
#include "sprite/Rectangle.h"
#include "sprite/Sprite.h"

namespace Yorun {

class CGameState;

// One timed round of 91 seconds: targets, arrows, the aim cursor, the arrow stock and the score popups,
// updated in a fixed order every frame and drawn back to front with the head-up display.
class CPlayScene {
public:
    static constexpr float kRoundSeconds = 91.0f;

    CPlayScene();

    CPlayScene(const CPlayScene&) = delete;
    CPlayScene& operator=(const CPlayScene&) = delete;

    bool Initialize();
    void StartPlay();
    void Update();
    void Draw();
    void Release();
    // Tests one arrow against one target and scores a hit.
    void JudgeHit(CTarget& target, CArrow& arrow);
    // ring is 20 for the centre, 10 for the outer ring.
    void ScoreHit(CTarget& target, CArrow& arrow, int ring);

    float depthBands[5];
    float hitWindows[6];
    Corvane::CRectangle hitInsets[3];
    float elapsedTime = 0.0f;
    float remainingTime = 0.0f;
    int aimDirection = 0;
    Corvane::CSprite scoreLabel;
    Corvane::CSprite timeLabel;
    Corvane::CSprite background;
    Corvane::CSprite scoreDigits;
    Corvane::CSprite keyLabels[4];
    Corvane::CSprite comboLabel;
    Corvane::CSprite band;
    CAimCursor cursor;
    CArrowStock stock;
    CTargetPool targets;
    CArrowPool arrows;
    CScorePopups popups;
    CGameState* state = nullptr;

private:
    void FiringStep();
    bool LoadHud();
};

}  // namespace Yorun
