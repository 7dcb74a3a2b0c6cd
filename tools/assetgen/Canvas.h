#pragma once

#include <SDL.h>

#include <functional>
#include <memory>

#include "Colour.h"
#include "Mask.h"
#include "Shape.h"

namespace assetgen {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A picture being painted: an ARGB8888 SDL surface whose alpha is coverage, so art can be laid on a
// transparent sheet and only at the very end be turned into the keyed 24-bit file. Keeping coverage until
// then is what lets edges inside the art stay smooth while edges against the key colour come out hard.
//
// A picture is laid out in the game's pixels (its width and height, every shape and paint) and painted at a
// scale: `scale` of the canvas's own pixels to each of the game's, so that the same painting makes the
// picture the game loads (scale 1) and its sharper twin for large screens. Edges stay one of the canvas's own
// pixels wide at any scale; a softness wider than a pixel (a glow, a shadow) grows with the scale.
class Canvas {
public:
    using Paint = std::function<Colour(float x, float y)>;
    enum class Blend { Over, Add };

    Canvas(int width, int height, Colour fill, int scale = 1);

    // The size in the game's pixels.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Scale() const { return m_scale; }
    // The size in the canvas's own pixels.
    int PixelWidth() const { return m_surface->w; }
    int PixelHeight() const { return m_surface->h; }
    const SDL_Surface* Surface() const { return m_surface.get(); }

    // Pixel access, in the canvas's own pixels.
    Colour At(int x, int y) const;
    void Set(int x, int y, Colour colour);
    // Lays `colour` over the pixel with the given coverage (its own alpha multiplies in).
    void Blend(int x, int y, Colour colour, float coverage, enum Blend mode = Blend::Over);

    // Painting, in the game's pixels.
    void Fill(const Shape& shape, Colour colour, float feather = 1.0F);
    void Fill(const Shape& shape, const Paint& paint, float feather = 1.0F, enum Blend mode = Blend::Over);
    // The shape with a dark rim of `width` pixels round it.
    void Outlined(const Shape& shape, Colour fill, Colour outline, float width);
    void Outlined(const Shape& shape, const Paint& fill, Colour outline, float width);
    // A mask made at the canvas's scale, its top-left corner at the canvas's own pixel (left, top).
    void Paste(const Mask& mask, int left, int top, const Paint& paint, enum Blend mode = Blend::Over);
    // A canvas of the same scale, its top-left corner at the game's pixel (left, top).
    void Paste(const Canvas& other, int left, int top);
    void FillAll(const Paint& paint);

    // The 24-bit picture: pixels at least half covered keep their colour, the rest become `key`. An art
    // pixel that happens to equal the key is nudged by one step so it does not vanish in the game.
    SurfacePtr Keyed(Colour key) const;
    // The 24-bit picture of a sheet that is opaque everywhere.
    SurfacePtr Opaque() const;
    // The 32-bit picture with its alpha, for the one file kept with real transparency.
    SurfacePtr WithAlpha() const;

private:
    int m_width;
    int m_height;
    int m_scale;
    SurfacePtr m_surface;
};

// A vertical gradient between two colours over [top, bottom].
Canvas::Paint VerticalGradient(Colour top, Colour bottom, float topY, float bottomY);
Canvas::Paint Solid(Colour colour);

}  // namespace assetgen
