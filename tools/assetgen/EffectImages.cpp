#include "EffectImages.h"

#include <cmath>
#include <numbers>

#include "Random.h"

namespace assetgen {

namespace {

// One frame of a burst that opens and fades: a soft core, a widening ring, rays and sparks. The sheet is
// black, which adds nothing when the game draws it additively.
Canvas BurstFrame(int frame, Colour core, Colour edge, std::uint32_t seed, int scale) {
    Canvas canvas(256, 256, Colour{0, 0, 0, 255}, scale);
    const Point c{128.0F, 128.0F};
    const float open = (frame + 1) / 4.0F;    // 0.25 .. 1
    const float fade = 1.0F - frame * 0.26F;  // 1 .. 0.22
    const float ringR = 26.0F + 88.0F * std::sqrt(open);
    const float ringW = 10.0F - frame * 1.5F;
    const auto level = [&](Colour col, float strength) {
        return col.WithAlpha(
            static_cast<std::uint8_t>(std::lround(std::clamp(strength * fade, 0.0F, 1.0F) * 255.0F)));
    };
    canvas.Fill(Shape::Circle(c, 40.0F * (1.0F - 0.5F * open)), Solid(level(core, 0.9F)), 36.0F,
                Canvas::Blend::Add);
    canvas.Fill(Shape::Circle(c, ringR).Minus(Shape::Circle(c, ringR - ringW)), Solid(level(edge, 0.85F)),
                5.0F, Canvas::Blend::Add);
    // Rays at fixed angles with a little jitter from the fixed seed.
    Random random(seed);
    const int rays = 12;
    for (int i = 0; i < rays; ++i) {
        const float angle = (i + random.Range(-0.2F, 0.2F)) * 2.0F * std::numbers::pi_v<float> / rays;
        const float inner = 18.0F + 30.0F * open;
        const float outer = std::min(122.0F, inner + random.Range(40.0F, 70.0F) * (0.6F + open));
        const Point a{c.x + std::cos(angle) * inner, c.y + std::sin(angle) * inner};
        const Point b{c.x + std::cos(angle) * outer, c.y + std::sin(angle) * outer};
        canvas.Fill(Shape::Capsule(a, b, 2.6F - frame * 0.4F), Solid(level(i % 2 == 0 ? core : edge, 0.8F)),
                    2.5F, Canvas::Blend::Add);
    }
    for (int i = 0; i < 26; ++i) {
        const float angle = random.Range(0.0F, 2.0F * std::numbers::pi_v<float>);
        const float distance = random.Range(0.4F, 1.0F) * ringR * 1.05F;
        const Point p{c.x + std::cos(angle) * distance, c.y + std::sin(angle) * distance};
        if (std::hypot(p.x - c.x, p.y - c.y) < 120.0F) {
            canvas.Fill(Shape::Circle(p, random.Range(1.5F, 3.5F)), Solid(level(Colour{255, 255, 255}, 0.9F)),
                        2.0F, Canvas::Blend::Add);
        }
    }
    return canvas;
}

Canvas BurstStrip(Colour core, Colour edge, std::uint32_t seed, int scale) {
    Canvas strip(1024, 256, Colour{0, 0, 0, 255}, scale);
    for (int frame = 0; frame < 4; ++frame) {
        strip.Paste(BurstFrame(frame, core, edge, seed + frame, scale), frame * 256, 0);
    }
    return strip;
}

}  // namespace

void PaintEffectImages(ImageSet& images) {
    using Kind = ImageSet::Kind;
    images.Add("yorun_efect.bmp", Kind::OpaqueBmp, [](int scale) {
        return BurstStrip(Colour{255, 246, 210}, palette::kGold, 0xB0057001U, scale);
    });
    images.Add("yorun_efect_2.bmp", Kind::OpaqueBmp, [](int scale) {
        return BurstStrip(Colour{255, 110, 120}, Colour{170, 70, 255}, 0xB0057101U, scale);
    });
}

}  // namespace assetgen
