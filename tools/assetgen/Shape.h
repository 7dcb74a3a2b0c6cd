#pragma once

#include <functional>
#include <vector>

namespace assetgen {

struct Point {
    float x = 0.0F;
    float y = 0.0F;
};

// A filled shape given by its signed distance: negative inside, positive outside, in pixels. Knowing the
// distance (not only inside / outside) lets one shape be drawn grown by an outline width, so every piece
// of art gets a dark outline that follows it exactly.
class Shape {
public:
    using Distance = std::function<float(float x, float y)>;

    Shape(Distance distance, float left, float top, float right, float bottom);

    float DistanceAt(float x, float y) const { return m_distance(x, y); }
    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Right() const { return m_right; }
    float Bottom() const { return m_bottom; }

    static Shape Circle(Point centre, float radius);
    static Shape Ellipse(Point centre, float radiusX, float radiusY);
    static Shape Box(float left, float top, float right, float bottom, float cornerRadius = 0.0F);
    static Shape Polygon(std::vector<Point> corners);
    static Shape Capsule(Point from, Point to, float radius);
    // A regular mark centred on `centre`: a diamond, square or triangle with the given half height.
    static Shape Diamond(Point centre, float half);
    static Shape Square(Point centre, float half);
    static Shape Triangle(Point centre, float half);
    // The shape mark of colour 0–3: circle, diamond, square, triangle.
    static Shape Mark(int colour, Point centre, float half);

    // Set operations keep the distance a usable outline width near the edges.
    Shape Minus(const Shape& other) const;
    Shape Grown(float by) const;

private:
    Distance m_distance;
    float m_left;
    float m_top;
    float m_right;
    float m_bottom;
};

}  // namespace assetgen
