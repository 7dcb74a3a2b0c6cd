#pragma once

#include "sprite/Rectangle.h"
#include "sprite/SpriteSet.h"

namespace Yorun {

// One arrow slot. A loosed arrow starts as a large picture at the cursor's lower-right corner and shrinks
// by a constant factor every update while drifting up and to the left: it flies away into the field, and
// its scale says how far it has gone. The slot is in flight while its picture is visible.
class CArrow {
public:
    CArrow() = default;

    CArrow(const CArrow&) = delete;
    CArrow& operator=(const CArrow&) = delete;

    // position and size are the cursor's top-left corner and scaled size; direction its aim code.
    void Start(int newColour, float positionX, float positionY, float sizeX, float sizeY, int aimDirection,
               float factor);

    float vx = 0.0f;
    float vy = 0.0f;
    int startOffsetX = 0;
    int startOffsetY = 0;
    float shrinkFactor = 0.0f;
    bool drawn = false;
    Corvane::CSpriteSet picture;
    Corvane::CRectangle hitBox;
    Corvane::CRectangle frameBox;
    float trackX = 0.0f;
    float trackY = 0.0f;
    int colour = 0;
};

}  // namespace Yorun
