#pragma once

#include <cstdint>

namespace Corvane {

// An integer rectangle, used for image bounds and hit tests.
class CRectangle {
public:
    CRectangle() = default;
    CRectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

    // Stores the four values with left ≤ right and top ≤ bottom.
    void Normalize(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    void Offset(std::int32_t dx, std::int32_t dy);
    // Moves every edge inwards; negative values grow the rectangle.
    void Deflate(std::int32_t dx, std::int32_t dy);
    // Rectangles that only touch along an edge or at a corner overlap; an empty one overlaps nothing.
    bool Intersects(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) const;
    bool Intersects(const CRectangle& other) const;

    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

}  // namespace Corvane
