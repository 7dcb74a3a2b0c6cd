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

    float x = 0.0f;  // the picture's top-left corner, in screen pixels
    float y = 0.0f;
    float shadowX = 0.0f;  // the shadow's top-left corner: x follows the picture's, y the depth's
    float shadowY = 0.0f;
    int bobCounter = 0;       // the bobbing motion's frame count: sinking while above 0, rising otherwise
    float alpha = 1.0f;       // the opacity the motion drives (1 = opaque)
    float blinkStep = 0.02f;  // the blinking motion's change of opacity per update, ±0.02
    float centreX = 0.0f;     // the point the circling motions turn about; it slides as a target would
    float centreY = 0.0f;
    float angle = 0.0f;              // the circling motions' angle, radians; carried on to the next circler
    float radius = 40.0f;            // the circling motions' radius, pixels
    float angleStep = 0.034906585f;  // the circling motions' turn per update: two degrees
    int blinkHold = 0;               // updates the blinking motion still holds before it fades again
    Corvane::CSpriteSet picture;     // one image per colour; visible while the slot is in use
    Corvane::CSprite shadow;         // drawn under the picture at half its opacity
    Corvane::CRectangle outerBox;    // the hit boxes the last hit test worked out: the whole face
    Corvane::CRectangle innerBox;    // and the centre that scores 20
    int colour = 0;                  // red, yellow, blue or green (0-3)
    int motion = 0;                  // one of the nine motions (PlayTypes.h)
    bool switched = false;           // the recolour, speed change or vanishing has happened
    float speed = 0.0f;              // pixels per update taken off x: positive moves left, negative right
    float bobStep = 0.0f;            // the bobbing motion's vertical step
    int difficulty = 0;              // the game's difficulty, copied when play starts
    int depth = 0;                   // far, middle or near (0-2)
    int direction = 0;               // 0 entered at the right edge moving left, 1 at the left moving right

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
