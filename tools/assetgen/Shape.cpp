#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace assetgen {

namespace {

float SegmentDistance(Point p, Point a, Point b) {
    const float abx = b.x - a.x;
    const float aby = b.y - a.y;
    const float length2 = abx * abx + aby * aby;
    float t = length2 > 0.0F ? ((p.x - a.x) * abx + (p.y - a.y) * aby) / length2 : 0.0F;
    t = std::clamp(t, 0.0F, 1.0F);
    const float dx = p.x - (a.x + t * abx);
    const float dy = p.y - (a.y + t * aby);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

Shape::Shape(Distance distance, float left, float top, float right, float bottom)
    : m_distance(std::move(distance)), m_left(left), m_top(top), m_right(right), m_bottom(bottom) {}

Shape Shape::Circle(Point centre, float radius) {
    return Shape([=](float x, float y) { return std::hypot(x - centre.x, y - centre.y) - radius; },
                 centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
}

Shape Shape::Ellipse(Point centre, float radiusX, float radiusY) {
    // Scaling the distance by the smaller radius keeps it close to pixels near the edge, which is all an
    // outline or the anti-aliasing needs.
    const float scale = std::min(radiusX, radiusY);
    return Shape(
        [=](float x, float y) {
            const float nx = (x - centre.x) / radiusX;
            const float ny = (y - centre.y) / radiusY;
            return (std::sqrt(nx * nx + ny * ny) - 1.0F) * scale;
        },
        centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY);
}

Shape Shape::Box(float left, float top, float right, float bottom, float cornerRadius) {
    const float cx = (left + right) * 0.5F;
    const float cy = (top + bottom) * 0.5F;
    const float hx = (right - left) * 0.5F - cornerRadius;
    const float hy = (bottom - top) * 0.5F - cornerRadius;
    return Shape(
        [=](float x, float y) {
            const float qx = std::abs(x - cx) - hx;
            const float qy = std::abs(y - cy) - hy;
            const float outside = std::hypot(std::max(qx, 0.0F), std::max(qy, 0.0F));
            return outside + std::min(std::max(qx, qy), 0.0F) - cornerRadius;
        },
        left, top, right, bottom);
}

Shape Shape::Polygon(std::vector<Point> corners) {
    float left = corners[0].x, right = corners[0].x, top = corners[0].y, bottom = corners[0].y;
    for (const Point& c : corners) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    return Shape(
        [corners = std::move(corners)](float x, float y) {
            float nearest = 1e9F;
            bool inside = false;
            const std::size_t n = corners.size();
            for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                const Point a = corners[i];
                const Point b = corners[j];
                nearest = std::min(nearest, SegmentDistance({x, y}, a, b));
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                    inside = !inside;
                }
            }
            return inside ? -nearest : nearest;
        },
        left, top, right, bottom);
}

Shape Shape::Capsule(Point from, Point to, float radius) {
    return Shape(
        [=](float x, float y) {
            return SegmentDistance({x, y}, from, to) - radius;
        },
        std::min(from.x, to.x) - radius, std::min(from.y, to.y) - radius, std::max(from.x, to.x) + radius,
        std::max(from.y, to.y) + radius);
}

Shape Shape::Diamond(Point c, float half) {
    return Polygon({{c.x, c.y - half}, {c.x + half, c.y}, {c.x, c.y + half}, {c.x - half, c.y}});
}

Shape Shape::Square(Point c, float half) {
    // A square looks bigger than a circle of the same height; shrink it so the marks weigh the same.
    const float h = half * 0.82F;
    return Box(c.x - h, c.y - h, c.x + h, c.y + h);
}

Shape Shape::Triangle(Point c, float half) {
    // Point up, centred on its area rather than its box so it sits in the middle of a round spot.
    const float w = half * 1.05F;
    return Polygon({{c.x, c.y - half * 1.05F}, {c.x + w, c.y + half * 0.75F}, {c.x - w, c.y + half * 0.75F}});
}

Shape Shape::Mark(int colour, Point centre, float half) {
    switch (colour) {
        case 0:
            return Circle(centre, half * 0.9F);
        case 1:
            return Diamond(centre, half * 1.05F);
        case 2:
            return Square(centre, half);
        default:
            return Triangle(centre, half);
    }
}

Shape Shape::Minus(const Shape& other) const {
    Distance self = m_distance;
    Distance cut = other.m_distance;
    return Shape([self, cut](float x, float y) { return std::max(self(x, y), -cut(x, y)); }, m_left, m_top,
                 m_right, m_bottom);
}

Shape Shape::Grown(float by) const {
    Distance self = m_distance;
    return Shape([self, by](float x, float y) { return self(x, y) - by; }, m_left - by, m_top - by,
                 m_right + by, m_bottom + by);
}

}  // namespace assetgen
