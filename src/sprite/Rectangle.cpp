#include "sprite/Rectangle.h"

#include <utility>

namespace Corvane {

CRectangle::CRectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    Normalize(l, t, r, b);
}

void CRectangle::Normalize(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
}

void CRectangle::Offset(std::int32_t dx, std::int32_t dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void CRectangle::Deflate(std::int32_t dx, std::int32_t dy) {
    left += dx;
    top += dy;
    right -= dx;
    bottom -= dy;
}

bool CRectangle::Intersects(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) const {
    const CRectangle other(l, t, r, b);
    const CRectangle self(left, top, right, bottom);
    if (other.left == other.right || other.top == other.bottom || self.left == self.right ||
        self.top == self.bottom) {
        return false;
    }
    return other.right >= self.left && self.right >= other.left && other.bottom >= self.top &&
           self.bottom >= other.top;
}

bool CRectangle::Intersects(const CRectangle& other) const {
    return Intersects(other.left, other.top, other.right, other.bottom);
}

}  // namespace Corvane
