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

    // Arrow scales that interleave the flying arrows with the three depths of targets when drawing.
    float depthBands[5];
    // The arrow scales at which a hit is judged, low and high for far, near, middle (in that order).
    float hitWindows[6];
    // What is cut off an arrow's 256 x 256 frame to leave its hit box, per target depth.
    Corvane::CRectangle hitInsets[3];
    float elapsedTime = 0.0f;       // seconds played in this game
    float remainingTime = 0.0f;     // 91 seconds less the time played, as of the end of the last update
    int aimDirection = 0;           // the aim keys' direction (0-8) the cursor reported last update
    Corvane::CSprite scoreLabel;    // "SCORE"
    Corvane::CSprite timeLabel;     // "TIME"
    Corvane::CSprite background;    // the field
    Corvane::CSprite scoreDigits;   // the score's digit strip
    Corvane::CSprite keyLabels[4];  // the fire keys' caps, one per colour
    Corvane::CSprite comboLabel;    // "COMBO"
    Corvane::CSprite band;          // the translucent dark strip behind the lower display
    CAimCursor cursor;
    CArrowStock stock;
    CTargetPool targets;          // 30 target slots and the launcher
    CArrowPool arrows;            // 5 arrow slots, the speed choice and the shot timer
    CScorePopups popups;          // the points won or lost, shown where they were scored
    CGameState* state = nullptr;  // the game-wide record; not owned

private:
    void FiringStep();
    bool LoadHud();
};

}  // namespace Yorun
