#pragma once

namespace Yorun {

// Colours of targets, arrows and fire keys (Z, X, C, V).
enum ArrowColour {
    COLOUR_RED = 0,
    COLOUR_YELLOW = 1,
    COLOUR_BLUE = 2,
    COLOUR_GREEN = 3,
};

// How far into the field a target stands.
enum TargetDepth {
    DEPTH_FAR = 0,
    DEPTH_MIDDLE = 1,
    DEPTH_NEAR = 2,
};

enum TargetMotion {
    MOTION_STRAIGHT = 0,
    MOTION_BOB = 1,
    MOTION_RECOLOUR = 2,
    MOTION_CIRCLE_CCW = 3,
    MOTION_CIRCLE_CW = 4,
    MOTION_SPEED_CHANGE = 5,
    MOTION_FLEE = 6,
    MOTION_BLINK = 7,
    MOTION_VANISH = 8,
};

enum ArrowSpeed {
    NORMAL = 0,
    SLOW = 1,
    FAST = 2,
};

}  // namespace Yorun
