#include "game/play/Target.h"

#include <cstdint>

#include "game/GameState.h"
#include "game/Screen.h"
#include "game/play/PlayTypes.h"
#include "game/play/RoundedTrig.h"
#include "game/play/XorShift128.h"

namespace Yorun {

namespace {

struct DepthPlacement {
    float pictureY;
    float shadowY;
    float scale;
};

// Far, middle and near.
constexpr DepthPlacement kDepths[3] = {
    {130.0f, 330.0f, 0.6f}, {230.0f, 380.0f, 1.0f}, {330.0f, 430.0f, 1.2f}};

constexpr float kOffScreenX = -200.0f;
constexpr float kLeftEntryX = -150.0f;
constexpr float kExitMargin = 150.0f;
constexpr float kShadowAlpha = 0.5f;

}  // namespace

void CTarget::Slide() {
    x -= speed;
    shadowX -= speed;
}

void CTarget::SetAlpha(float value) {
    alpha = value;
    picture.alpha = value;
    shadow.alpha = value * kShadowAlpha;
}

bool CTarget::InMidScreen() const {
    return x > 100.0f && x < 640.0f;
}

bool CTarget::FadeOutInZone() {
    if (!InMidScreen()) {
        return false;
    }
    SetAlpha(alpha - 0.05f);
    return alpha < 0.0f;
}

void CTarget::Hide() {
    picture.visible = false;
    shadow.visible = false;
}

void CTarget::ResetDefaults(int gameDifficulty) {
    speed = 0.0f;
    motion = MOTION_STRAIGHT;
    bobStep = 0.0f;
    direction = 0;
    Hide();
    x = 0.0f;
    y = 0.0f;
    shadowX = 800.0f;
    picture.x = 0.0f;
    shadow.x = 800.0f;
    alpha = 1.0f;
    picture.alpha = 1.0f;
    shadow.alpha = kShadowAlpha;
    blinkStep = 0.02f;
    centreX = 0.0f;
    centreY = 0.0f;
    angle = 0.0f;
    radius = 40.0f;
    angleStep = 0.034906585f;
    difficulty = gameDifficulty;
}

void CTarget::Launch(int newDirection, float newSpeed, int newColour, int newMotion) {
    speed = newSpeed;
    motion = newMotion;
    colour = newColour;
    direction = newDirection;

    picture.x = kOffScreenX;
    shadow.x = kOffScreenX;
    alpha = 1.0f;
    picture.alpha = 1.0f;
    depth = static_cast<int>(NextRandom() % 3);
    switched = false;
    bobCounter = 0;
    shadow.alpha = kShadowAlpha;

    picture.Select(colour, false);

    const DepthPlacement& placement = kDepths[depth];
    y = placement.pictureY;
    shadowY = placement.shadowY;
    picture.scaleX = placement.scale;
    picture.scaleY = placement.scale;
    shadow.SetScale(placement.scale, placement.scale);

    if (direction == 0) {
        x = static_cast<float>(ScreenWidth());
    } else {
        x = kLeftEntryX;
        speed = -speed;
    }
    shadowX = x;

    if (motion == MOTION_CIRCLE_CCW || motion == MOTION_CIRCLE_CW) {
        centreX = x;
        centreY = y;
        radius = static_cast<float>(NextRandom() % 30 + 20);
        // The angle carries on from the slot's previous circling target.
    }

    shadow.visible = true;
    picture.visible = true;
}

void CTarget::MoveRecolour() {
    Slide();
    if (!switched) {
        if (FadeOutInZone()) {
            switched = true;
            colour = static_cast<int>(NextRandom() & 3);
            picture.Select(colour, false);
        }
        return;
    }
    if (alpha < 1.0f) {
        SetAlpha(alpha + 0.1f);
    }
    // On hard a target may fade out again, and take yet another colour if it is still in the zone.
    if (difficulty == DIFFICULTY_HARD && x > 410.0f && x < 417.0f) {
        if ((NextRandom() & 3) == 0) {
            switched = false;
        }
    }
}

void CTarget::MoveCircle(float turn) {
    centreX -= speed;
    angle += turn;
    x = centreX + radius + radius * RoundedCosine(angle);
    y = centreY + radius * RoundedSine(angle);
    shadowX = x;
}

void CTarget::MoveSpeedChange() {
    // The zones are tested with the position before this update's slide. The two branches exclude each
    // other: an update either takes a new speed or re-arms the change, never both, so a target re-armed
    // between 410 and 420 keeps its speed for that update and draws the new one at the next (it is still
    // in the mid-screen zone then).
    if (!switched) {
        if (InMidScreen()) {
            switched = true;
            const std::uint32_t drawn =
                difficulty == DIFFICULTY_NORMAL ? NextRandom() % 5 + 1 : NextRandom() % 10 + 1;
            speed = static_cast<float>(drawn);
            if (direction == 1) {
                speed = -speed;
            }
        }
    } else if (x > 410.0f && x < 420.0f) {
        const std::uint32_t drawn = NextRandom();
        const bool again = difficulty == DIFFICULTY_NORMAL ? (drawn & 3) != 0 : (drawn & 1) != 0;
        if (again) {
            switched = false;
        }
    }
    Slide();
}

void CTarget::MoveBlink() {
    Slide();
    if (blinkHold >= 0) {
        blinkHold -= 1;
    } else {
        alpha += blinkStep;
        if (alpha < 0.0f || alpha > 1.1f) {
            blinkStep = -blinkStep;
            blinkHold = difficulty == DIFFICULTY_NORMAL ? 15 : 23;
        }
    }
    picture.alpha = alpha;
    shadow.alpha = alpha * kShadowAlpha;
}

void CTarget::MoveVanish() {
    Slide();
    if (!switched) {
        if (FadeOutInZone()) {
            switched = true;
        }
        return;
    }
    if (difficulty == DIFFICULTY_HARD && x > 410.0f && x < 417.0f) {
        if (NextRandom() % 6 == 0) {
            switched = false;
        }
    }
}

void CTarget::Move() {
    if (!picture.visible) {
        return;
    }
    switch (motion) {
        case MOTION_BOB:
            Slide();
            bobStep = difficulty == DIFFICULTY_EASY ? 1.25f : 1.0f;
            if (bobCounter > 0) {
                bobCounter -= 1;
                y += bobStep;
            } else {
                bobCounter -= 1;
                y -= bobStep;
                if (bobCounter < -40) {
                    bobCounter = 40;
                }
            }
            break;
        case MOTION_RECOLOUR:
            MoveRecolour();
            break;
        case MOTION_CIRCLE_CCW:
            MoveCircle(-angleStep);
            break;
        case MOTION_CIRCLE_CW:
            MoveCircle(angleStep);
            break;
        case MOTION_SPEED_CHANGE:
            MoveSpeedChange();
            break;
        case MOTION_BLINK:
            MoveBlink();
            break;
        case MOTION_VANISH:
            MoveVanish();
            break;
        default:  // straight, and fleeing (its flight is a speed set by a scare)
            Slide();
            break;
    }

    picture.x = x;
    picture.y = y;
    shadow.x = shadowX;
    shadow.y = shadowY;
    if (x < -kExitMargin || x > static_cast<float>(ScreenWidth()) + kExitMargin) {
        Hide();
    }
}

}  // namespace Yorun
