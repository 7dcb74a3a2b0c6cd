#include "FieldImages.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Random.h"

namespace assetgen {

namespace {

using palette::kInk;

Canvas Background(int scale) {
    Canvas canvas(800, 600, palette::kSkyTop, scale);
    // Sky down to the horizon at y 300, then ground that darkens towards the viewer so the HUD along the
    // bottom reads on it.
    canvas.FillAll([](float, float y) {
        if (y < 300.0F) {
            return Mix(palette::kSkyTop, palette::kSkyLow, std::pow(y / 300.0F, 1.4F));
        }
        const float t = (y - 300.0F) / 300.0F;
        const Colour mid = Mix(palette::kGrassFar, palette::kGrassNear, std::min(1.0F, t * 1.6F));
        return Mix(mid, Colour{16, 30, 22}, std::max(0.0F, (y - 470.0F) / 130.0F));
    });
    Random random(0x5EED0001U);
    for (int i = 0; i < 7; ++i) {
        const float cx = 60.0F + i * 115.0F + random.Range(-30.0F, 30.0F);
        const float cy = random.Range(50.0F, 190.0F);
        const float size = random.Range(0.7F, 1.3F) * (1.0F - cy / 400.0F);
        for (int puff = 0; puff < 5; ++puff) {
            const float px = cx + (puff - 2) * 22.0F * size;
            const float py = cy - (puff % 2) * 10.0F * size;
            canvas.Fill(Shape::Ellipse({px, py}, 30.0F * size, 16.0F * size), Colour{255, 255, 255, 150},
                        6.0F);
        }
    }
    // Far hills on the horizon.
    const Shape belowHorizon = Shape::Box(-10.0F, 301.0F, 810.0F, 400.0F);
    canvas.Fill(Shape::Ellipse({150, 312}, 260, 40).Minus(belowHorizon), Colour{96, 150, 104}, 1.0F);
    canvas.Fill(Shape::Ellipse({620, 316}, 300, 48).Minus(belowHorizon), Colour{84, 140, 96}, 1.0F);
    canvas.Fill(
        Shape::Box(0, 300, 800, 330),
        VerticalGradient(palette::kGrassFar, Mix(palette::kGrassFar, palette::kGrassNear, 0.18F), 300, 330));
    // The three lanes where the far, middle and near shadows fall: faint mown strips.
    const float lanes[3] = {330.0F, 380.0F, 430.0F};
    const float halfHeights[3] = {6.0F, 8.0F, 10.0F};
    for (int lane = 0; lane < 3; ++lane) {
        const float y = lanes[lane];
        const float h = halfHeights[lane];
        canvas.Fill(Shape::Box(-20, y - h, 820, y + h), Colour{255, 255, 230, 34}, 3.0F);
        canvas.Fill(Shape::Box(-20, y + h - 1.0F, 820, y + h + 1.0F), Colour{10, 40, 20, 40}, 1.0F);
    }
    // Tufts of grass, smaller and paler towards the horizon.
    for (int i = 0; i < 140; ++i) {
        const float y = random.Range(305.0F, 500.0F);
        const float x = random.Range(0.0F, 800.0F);
        const float s = 0.6F + (y - 300.0F) / 90.0F;
        canvas.Fill(Shape::Polygon({{x - 2.0F * s, y}, {x + 2.0F * s, y}, {x + 0.5F * s, y - 4.0F * s}}),
                    Colour{20, 60, 30, 60}, 1.0F);
    }
    return canvas;
}

Canvas Target(int colour, int scale) {
    Canvas canvas(96, 96, Colour{0, 0, 0, 0}, scale);
    PaintTargetFace(canvas, colour, 48.0F, 48.0F, 45.0F);
    return canvas;
}

Canvas ShadowImage(int scale) {
    Canvas canvas(96, 32, Colour{0, 0, 0, 0}, scale);
    const auto pixel = static_cast<float>(scale);
    for (int y = 0; y < canvas.PixelHeight(); ++y) {
        for (int x = 0; x < canvas.PixelWidth(); ++x) {
            const float nx = ((x + 0.5F) / pixel - 48.0F) / 46.0F;
            const float ny = ((y + 0.5F) / pixel - 16.0F) / 14.0F;
            const float d = std::sqrt(nx * nx + ny * ny);
            // Dense in the middle, fading smoothly to nothing at the rim.
            const float a = d >= 1.0F ? 0.0F : std::pow(1.0F - d * d, 1.3F);
            canvas.Set(x, y, Colour{10, 16, 12, static_cast<std::uint8_t>(std::lround(a * 220.0F))});
        }
    }
    return canvas;
}

// An arrow seen from behind the archer: the tip far away up and to the left, the fletching close by at the
// lower right. The tip sits where the game looks for hits.
Canvas FlyingArrow(int colour, int scale) {
    const Colour vane = palette::kArrowColours[colour];
    Canvas canvas(256, 256, Colour{0, 0, 0, 0}, scale);
    const Point tip{34.0F, 79.0F};
    const Point tail{206.0F, 209.0F};
    const float dx = tail.x - tip.x;
    const float dy = tail.y - tip.y;
    const float length = std::hypot(dx, dy);
    const Point along{dx / length, dy / length};
    const Point across{-along.y, along.x};
    auto at = [&](float t, float side) {
        return Point{tip.x + dx * t + across.x * side, tip.y + dy * t + across.y * side};
    };
    // Perspective: the shaft widens towards the viewer.
    const Shape shaft = Shape::Polygon({at(0.08F, -1.6F), at(0.08F, 1.6F), at(1.0F, 6.0F), at(1.0F, -6.0F)});
    canvas.Fill(shaft.Grown(2.0F), kInk);
    // Vanes: one each side of the shaft and one towards the viewer, foreshortened.
    const Shape vaneA =
        Shape::Polygon({at(0.64F, -5.0F), at(0.80F, -26.0F), at(1.02F, -30.0F), at(0.98F, -5.0F)});
    const Shape vaneB =
        Shape::Polygon({at(0.64F, 5.0F), at(0.80F, 26.0F), at(1.02F, 30.0F), at(0.98F, 5.0F)});
    const Point lowA = at(0.70F, 0.0F);
    const Shape vaneC = Shape::Polygon({{lowA.x, lowA.y},
                                        {lowA.x + 18.0F, lowA.y + 2.0F},
                                        {tail.x + 30.0F, tail.y + 26.0F},
                                        {tail.x + 2.0F, tail.y + 2.0F}});
    const Colour vaneDark = Mix(vane, kInk, 0.35F);
    canvas.Outlined(vaneC, vaneDark, kInk, 2.0F);
    canvas.Outlined(vaneA, vane, kInk, 2.0F);
    canvas.Outlined(vaneB, Mix(vane, palette::kPaper, 0.2F), kInk, 2.0F);
    canvas.Fill(shaft, VerticalGradient(palette::kWood, palette::kWoodDark, tip.y, tail.y));
    // Steel head, a narrow barb shape pointing at the tip.
    const Shape head = Shape::Polygon({tip, at(0.13F, -5.0F), at(0.11F, 0.0F), at(0.13F, 5.0F)});
    canvas.Outlined(head, palette::kSteel, kInk, 1.5F);
    // The nock, seen end on, carrying the colour's shape mark.
    canvas.Outlined(Shape::Circle({tail.x + 8.0F, tail.y + 8.0F}, 22.0F), palette::kPaper, kInk, 2.5F);
    canvas.Outlined(Shape::Mark(colour, {tail.x + 8.0F, tail.y + 8.0F}, 14.0F), vane, kInk, 2.0F);
    return canvas;
}

// The aim reticle, drawn at half size: a ring round the aim point and the diagonal line arrows follow,
// with a tick where they reach each depth.
Canvas Reticle(int scale) {
    Canvas canvas(100, 100, Colour{0, 0, 0, 0}, scale);
    const Colour light = palette::kPaper;
    const Colour gold = palette::kGold;
    // The ring is broken at the four diagonals: the flight line shows through two of the gaps, and the
    // other two keep the inside open to the edge, so no transparent pocket is shut in by the art.
    const Point centre{50.0F, 50.0F};
    Shape ring = Shape::Circle(centre, 31.0F).Minus(Shape::Circle(centre, 26.5F));
    for (int i = 0; i < 4; ++i) {
        const float angle = (45.0F + 90.0F * i) * std::numbers::pi_v<float> / 180.0F;
        const float spread = 0.24F;
        const Point a{centre.x + 60.0F * std::cos(angle - spread),
                      centre.y + 60.0F * std::sin(angle - spread)};
        const Point b{centre.x + 60.0F * std::cos(angle + spread),
                      centre.y + 60.0F * std::sin(angle + spread)};
        ring = ring.Minus(Shape::Polygon({centre, a, b}));
    }
    canvas.Outlined(ring, light, kInk, 2.0F);
    const Point notches[4][2] = {
        {{50, 10}, {50, 18}}, {{50, 82}, {50, 90}}, {{10, 50}, {18, 50}}, {{82, 50}, {90, 50}}};
    for (const auto& notch : notches) {
        canvas.Outlined(Shape::Capsule(notch[0], notch[1], 2.2F), light, kInk, 2.0F);
    }
    // The flight line from the lower-right corner through the three depths to the top-left corner.
    const Point near{66.0F, 76.0F};
    const Point middle{42.0F, 42.0F};
    const Point far{7.0F, 7.0F};
    const Point start{86.0F, 97.0F};
    const Shape legs[3] = {Shape::Capsule(start, near, 1.6F), Shape::Capsule(near, middle, 1.6F),
                           Shape::Capsule(middle, far, 1.6F)};
    for (const Shape& leg : legs) {
        canvas.Fill(leg.Grown(1.6F), kInk);
    }
    for (const Shape& leg : legs) {
        canvas.Fill(leg, gold);
    }
    // Ticks across the line, larger for the nearer depths.
    const Point ticks[3] = {near, middle, far};
    const float sizes[3] = {8.0F, 7.0F, 4.5F};
    const Point directions[3] = {{0.707F, -0.707F}, {0.707F, -0.707F}, {0.707F, -0.707F}};
    for (int i = 0; i < 3; ++i) {
        const Point c = ticks[i];
        const Point d = directions[i];
        const float s = sizes[i];
        canvas.Outlined(Shape::Capsule({c.x - d.x * s, c.y - d.y * s}, {c.x + d.x * s, c.y + d.y * s}, 2.2F),
                        gold, kInk, 1.8F);
    }
    return canvas;
}

// A single arrow standing point up, centred on x, from `top` to `bottom`.
void UprightArrow(Canvas& canvas, float x, float top, float bottom, Colour vane) {
    const float shaftTop = top + 9.0F;
    const Shape shaft = Shape::Box(x - 1.3F, shaftTop, x + 1.3F, bottom - 2.0F);
    const Shape head = Shape::Polygon({{x, top}, {x + 4.0F, top + 11.0F}, {x - 4.0F, top + 11.0F}});
    const Shape left = Shape::Polygon({{x - 1.0F, bottom - 20.0F},
                                       {x - 5.0F, bottom - 14.0F},
                                       {x - 5.0F, bottom - 1.0F},
                                       {x - 1.0F, bottom - 6.0F}});
    const Shape right = Shape::Polygon({{x + 1.0F, bottom - 20.0F},
                                        {x + 5.0F, bottom - 14.0F},
                                        {x + 5.0F, bottom - 1.0F},
                                        {x + 1.0F, bottom - 6.0F}});
    for (const Shape* part : {&shaft, &head, &left, &right}) {
        canvas.Fill(part->Grown(1.5F), kInk);
    }
    canvas.Fill(left, vane);
    canvas.Fill(right, Mix(vane, kInk, 0.25F));
    canvas.Fill(shaft, palette::kWood);
    canvas.Fill(head, palette::kSteel);
}

Canvas StockTen(int scale) {
    Canvas canvas(40, 80, Colour{0, 0, 0, 0}, scale);
    // Two staggered rows of five make a bundle of ten; the back row stands a little higher.
    for (int i = 0; i < 5; ++i) {
        UprightArrow(canvas, 6.0F + i * 7.0F, 2.0F, 74.0F, palette::kArrowColours[(i + 1) % 4]);
    }
    for (int i = 0; i < 5; ++i) {
        UprightArrow(canvas, 9.5F + i * 6.5F, 7.0F, 78.0F, palette::kArrowColours[i % 4]);
    }
    // The cord round the bundle.
    canvas.Outlined(Shape::Box(3.0F, 40.0F, 37.0F, 45.0F, 2.0F), palette::kGold, kInk, 1.5F);
    return canvas;
}

Canvas StockOne(int scale) {
    Canvas canvas(30, 70, Colour{0, 0, 0, 0}, scale);
    UprightArrow(canvas, 15.0F, 2.0F, 68.0F, palette::kPaper);
    return canvas;
}

}  // namespace

void PaintTargetFace(Canvas& canvas, int colour, float cx, float cy, float r) {
    const Colour face = palette::kArrowColours[colour];
    const Colour white = palette::kPaper;
    const Point c{cx, cy};
    const float k = r / 45.0F;
    // Alternate colour and white rings; the centre spot of radius 10 (at full size) is the scoring centre,
    // carrying the colour's shape mark.
    canvas.Fill(Shape::Circle(c, r + 2.0F * k), kInk);
    canvas.Fill(Shape::Circle(c, r), face);
    canvas.Fill(Shape::Circle(c, 34.0F * k), kInk);
    canvas.Fill(Shape::Circle(c, 33.0F * k), white);
    canvas.Fill(Shape::Circle(c, 23.5F * k), kInk);
    canvas.Fill(Shape::Circle(c, 22.5F * k), face);
    canvas.Fill(Shape::Circle(c, 14.5F * k), kInk);
    canvas.Fill(Shape::Circle(c, 13.5F * k), white);
    canvas.Outlined(Shape::Mark(colour, c, 9.5F * k), face, kInk, 1.6F * k);
    // A soft highlight on the upper left gives the flat face a little body.
    canvas.Fill(Shape::Circle({cx - r * 0.33F, cy - r * 0.38F}, r * 0.3F).Minus(Shape::Circle(c, 14.5F * k)),
                Colour{255, 255, 255, 40}, 10.0F * k);
}

void PaintFieldImages(ImageSet& images) {
    using Kind = ImageSet::Kind;
    images.Add("Yorun_back.bmp", Kind::OpaqueBmp, [](int scale) { return Background(scale); });
    for (int colour = 0; colour < 4; ++colour) {
        images.Add("Target00 Corer" + std::to_string(colour + 1) + ".bmp", Kind::KeyedBmp,
                   [colour](int scale) { return Target(colour, scale); });
    }
    images.Add("shadow01.png", Kind::AlphaPng, [](int scale) { return ShadowImage(scale); });
    const char* const names[4] = {"arrow_red_up.bmp", "arrow_yellow_up.bmp", "arrow_blue_up.bmp",
                                  "arrow_green_up.bmp"};
    for (int colour = 0; colour < 4; ++colour) {
        images.Add(names[colour], Kind::KeyedBmp, [colour](int scale) { return FlyingArrow(colour, scale); });
    }
    images.Add("Karate_Position.bmp", Kind::KeyedBmp, [](int scale) { return Reticle(scale); });
    images.Add("shot_stock_10_test.bmp", Kind::KeyedBmp, [](int scale) { return StockTen(scale); });
    images.Add("shot_stock_1_test.bmp", Kind::KeyedBmp, [](int scale) { return StockOne(scale); });
}

}  // namespace assetgen
