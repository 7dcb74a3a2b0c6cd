#pragma once

namespace Corvane {

// Which point of an image is its pivot: the point it rotates and flips about.
enum Anchor {
    ANCHOR_CENTER = 0,
    ANCHOR_LEFT = 1,
    ANCHOR_TOP = 2,
    ANCHOR_RIGHT = 3,
    ANCHOR_BOTTOM = 4,
    ANCHOR_TOP_LEFT = 5,
    ANCHOR_BOTTOM_LEFT = 6,
    ANCHOR_TOP_RIGHT = 7,
    ANCHOR_BOTTOM_RIGHT = 8,
};

// How an image is combined with what is already drawn.
enum BlendMode {
    BLEND_NONE = 0,
    BLEND_ALPHA = 1,
    BLEND_ADD = 2,
    BLEND_ERASE = 3,
    BLEND_INVERT = 4,
    BLEND_MULTIPLY = 5,
};

// Bits of an image's flip field.
constexpr int FLIP_HORIZONTAL = 1;
constexpr int FLIP_VERTICAL = 2;

}  // namespace Corvane
