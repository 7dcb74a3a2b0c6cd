#include "game/play/Arrow.h"

namespace Yorun {

namespace {

struct Nudge {
    int x;
    int y;
};

// The start is nudged 5 pixels the way the cursor is moving, by its direction code.
constexpr Nudge kNudges[9] = {{0, 0}, {-5, -5}, {-5, 5}, {-5, 0}, {5, -5}, {5, 5}, {5, 0}, {0, -5}, {0, 5}};

constexpr float kFlightStep = -3.0f;

}  // namespace

void CArrow::Start(int newColour, float positionX, float positionY, float sizeX, float sizeY,
                   int aimDirection, float factor) {
    picture.Select(newColour, false);
    colour = newColour;
    const Nudge nudge = aimDirection >= 0 && aimDirection <= 8 ? kNudges[aimDirection] : kNudges[0];
    startOffsetX = nudge.x;
    startOffsetY = nudge.y;
    picture.visible = true;
    picture.x = positionX + sizeX + static_cast<float>(startOffsetX);
    picture.y = positionY + sizeY - 10.0f + static_cast<float>(startOffsetY);
    trackX = picture.x;
    trackY = picture.y;
    picture.scaleX = 1.0f;
    picture.scaleY = 1.0f;
    vx = kFlightStep;
    vy = kFlightStep;
    shrinkFactor = factor;
}

}  // namespace Yorun
