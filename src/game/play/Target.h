#pragma once

#include "sprite/Rectangle.h"
#include "sprite/Sprite.h"
#include "sprite/SpriteSet.h"

namespace Yorun {

// One target slot: a picture in four colours with its shadow, crossing the field at one depth with one of
// nine motions. The slot is in use while its picture is visible. All motion is a fixed step per update.
class CTarget {
public:
    CTarget() = default;

    CTarget(const CTarget&) = delete;
    CTarget& operator=(const CTarget&) = delete;

    // Puts the slot on the field: entering at the right edge moving left (direction 0) or at the left edge
    // moving right (direction 1). Draws the depth and, for the circling motions, the radius.
    void Launch(int newDirection, float newSpeed, int newColour, int newMotion);
    // One update: the motion, then the pictures follow and a target off either edge frees its slot.
    void Move();
    // The slot's state for a new game; the bob counter and blink hold are kept.
    void ResetDefaults(int gameDifficulty);
    void Hide();
    bool IsVisible() const { return picture.visible; }

    float x = 0.0f;
    float y = 0.0f;
    float shadowX = 0.0f;
    float shadowY = 0.0f;
    int bobCounter = 0;
    float alpha = 1.0f;
    float blinkStep = 0.02f;
    float centreX = 0.0f;
    float centreY = 0.0f;
    float angle = 0.0f;
    float radius = 40.0f;
    float angleStep = 0.034906585f;
    int blinkHold = 0;
    Corvane::CSpriteSet picture;
    Corvane::CSprite shadow;
    Corvane::CRectangle outerBox;
    Corvane::CRectangle innerBox;
    int colour = 0;
    int motion = 0;
    bool switched = false;
    float speed = 0.0f;
    float bobStep = 0.0f;
    int difficulty = 0;
    int depth = 0;
    int direction = 0;

private:
    void Slide();
    void SetAlpha(float value);
    bool InMidScreen() const;
    // Fades the target a step while it is in the middle of the screen; true once it has faded out.
    bool FadeOutInZone();
    void MoveRecolour();
    void MoveCircle(float turn);
    void MoveSpeedChange();
    void MoveBlink();
    void MoveVanish();
};

}  // namespace Yorun
