#include "AppIcon.h"

#include <SDL_image.h>

#include "Canvas.h"
#include "Colour.h"
#include "Shape.h"

namespace assetgen {

bool AppIcon::Write(int size, const std::string& path, std::string& error) {
    if (size < kMinimumSize || size > kMaximumSize) {
        error = "icon size " + std::to_string(size) + " is outside " + std::to_string(kMinimumSize) + ".." +
                std::to_string(kMaximumSize);
        return false;
    }
    Canvas canvas(size, size, palette::kInk.WithAlpha(0));
    const float unit = static_cast<float>(size) / 64.0F;
    const Point centre{size / 2.0F, size / 2.0F};
    // Outer ring first, so each smaller ring lies on the one before; the outline scales with the icon.
    const Colour rings[] = {palette::kPaper, palette::kGreen, palette::kBlue, palette::kRed,
                            palette::kYellow};
    const float outline = 1.5F * unit;
    for (int ring = 0; ring < 5; ++ring) {
        const float radius = (30.0F - 6.0F * static_cast<float>(ring)) * unit;
        canvas.Outlined(Shape::Circle(centre, radius - outline), rings[ring], palette::kInk, outline);
    }
    // An arrow from the upper right, its head buried in the gold.
    const Point tail{centre.x + 22.0F * unit, centre.y - 22.0F * unit};
    canvas.Outlined(Shape::Capsule(centre, tail, 1.6F * unit), palette::kWood, palette::kInk, outline);
    canvas.Outlined(Shape::Polygon({{tail.x - 6.0F * unit, tail.y - 1.0F * unit},
                                    {tail.x + 1.0F * unit, tail.y + 6.0F * unit},
                                    {tail.x + 5.0F * unit, tail.y - 5.0F * unit}}),
                    palette::kCrimson, palette::kInk, outline);

    const SurfacePtr picture = canvas.WithAlpha();
    if (IMG_SavePNG(picture.get(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + IMG_GetError();
        return false;
    }
    return true;
}

}  // namespace assetgen
