#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

std::uint8_t ToByte(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

SurfacePtr NewSurface(int width, int height, Uint32 format) {
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 0, format));
    if (!surface) {
        throw std::runtime_error(std::string("cannot create a surface: ") + SDL_GetError());
    }
    return surface;
}

}  // namespace

Colour Mix(Colour from, Colour to, float t) {
    t = std::clamp(t, 0.0F, 1.0F);
    return Colour{ToByte(from.r + (to.r - from.r) * t), ToByte(from.g + (to.g - from.g) * t),
                  ToByte(from.b + (to.b - from.b) * t), ToByte(from.a + (to.a - from.a) * t)};
}

Canvas::Paint VerticalGradient(Colour top, Colour bottom, float topY, float bottomY) {
    return [=](float, float y) { return Mix(top, bottom, (y - topY) / (bottomY - topY)); };
}

Canvas::Paint Solid(Colour colour) {
    return [=](float, float) { return colour; };
}

Canvas::Canvas(int width, int height, Colour fill, int scale)
    : m_width(width),
      m_height(height),
      m_scale(scale),
      m_surface(NewSurface(width * scale, height * scale, SDL_PIXELFORMAT_ARGB8888)) {
    FillAll(Solid(fill));
}

Colour Canvas::At(int x, int y) const {
    const auto* row = static_cast<const Uint8*>(m_surface->pixels) + y * m_surface->pitch;
    const Uint32 v = reinterpret_cast<const Uint32*>(row)[x];
    return Colour{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                  static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 24)};
}

void Canvas::Set(int x, int y, Colour c) {
    auto* row = static_cast<Uint8*>(m_surface->pixels) + y * m_surface->pitch;
    reinterpret_cast<Uint32*>(row)[x] = (Uint32{c.a} << 24) | (Uint32{c.r} << 16) | (Uint32{c.g} << 8) | c.b;
}

void Canvas::Blend(int x, int y, Colour c, float coverage, enum Blend mode) {
    if (x < 0 || y < 0 || x >= PixelWidth() || y >= PixelHeight() || coverage <= 0.0F) {
        return;
    }
    const Colour d = At(x, y);
    const float sa = std::min(coverage, 1.0F) * c.a / 255.0F;
    if (mode == Blend::Add) {
        Set(x, y, Colour{ToByte(d.r + c.r * sa), ToByte(d.g + c.g * sa), ToByte(d.b + c.b * sa), d.a});
        return;
    }
    const float da = d.a / 255.0F;
    const float oa = sa + da * (1.0F - sa);
    if (oa <= 0.0F) {
        return;
    }
    auto channel = [&](std::uint8_t s, std::uint8_t t) {
        return ToByte((s * sa + t * da * (1.0F - sa)) / oa);
    };
    Set(x, y, Colour{channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b), ToByte(oa * 255.0F)});
}

void Canvas::Fill(const Shape& shape, Colour colour, float feather) {
    Fill(shape, Solid(colour), feather);
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float feather, enum Blend mode) {
    const auto scale = static_cast<float>(m_scale);
    // An anti-aliased edge (a feather of a pixel or less) stays that many of the canvas's own pixels wide;
    // a soft glow is as wide in the game's pixels at every scale.
    const float ramp = feather > 1.0F ? feather * scale : feather;
    const int pad = static_cast<int>(std::ceil(ramp)) + 1;
    const int left = std::max(0, static_cast<int>(std::floor(shape.Left() * scale)) - pad);
    const int top = std::max(0, static_cast<int>(std::floor(shape.Top() * scale)) - pad);
    const int right = std::min(PixelWidth(), static_cast<int>(std::ceil(shape.Right() * scale)) + pad);
    const int bottom = std::min(PixelHeight(), static_cast<int>(std::ceil(shape.Bottom() * scale)) + pad);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const float cx = (x + 0.5F) / scale;
            const float cy = (y + 0.5F) / scale;
            // Coverage from the distance at the pixel centre: a one-pixel ramp is the anti-aliased edge,
            // a wider one a soft glow.
            const float coverage = std::clamp(0.5F - shape.DistanceAt(cx, cy) * scale / ramp, 0.0F, 1.0F);
            if (coverage > 0.0F) {
                Blend(x, y, paint(cx, cy), coverage, mode);
            }
        }
    }
}

void Canvas::Outlined(const Shape& shape, Colour fill, Colour outline, float width) {
    Outlined(shape, Solid(fill), outline, width);
}

void Canvas::Outlined(const Shape& shape, const Paint& fill, Colour outline, float width) {
    Fill(shape.Grown(width), outline);
    Fill(shape, fill);
}

void Canvas::Paste(const Mask& mask, int left, int top, const Paint& paint, enum Blend mode) {
    const auto scale = static_cast<float>(m_scale);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const float coverage = mask.At(x, y);
            if (coverage > 0.0F) {
                Blend(left + x, top + y, paint((left + x + 0.5F) / scale, (top + y + 0.5F) / scale), coverage,
                      mode);
            }
        }
    }
}

void Canvas::Paste(const Canvas& other, int left, int top) {
    for (int y = 0; y < other.PixelHeight(); ++y) {
        for (int x = 0; x < other.PixelWidth(); ++x) {
            Blend(left * m_scale + x, top * m_scale + y, other.At(x, y), 1.0F);
        }
    }
}

void Canvas::FillAll(const Paint& paint) {
    const auto scale = static_cast<float>(m_scale);
    for (int y = 0; y < PixelHeight(); ++y) {
        for (int x = 0; x < PixelWidth(); ++x) {
            Set(x, y, paint((x + 0.5F) / scale, (y + 0.5F) / scale));
        }
    }
}

SurfacePtr Canvas::Keyed(Colour key) const {
    SurfacePtr out = NewSurface(PixelWidth(), PixelHeight(), SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < PixelHeight(); ++y) {
        auto* row = static_cast<Uint8*>(out->pixels) + y * out->pitch;
        for (int x = 0; x < PixelWidth(); ++x) {
            Colour c = At(x, y);
            if (c.a < 128) {
                c = key;
            } else if (c.SameRgb(key)) {
                c.g = key.g == 0 ? 1 : key.g - 1;
            }
            row[x * 3 + 0] = c.r;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.b;
        }
    }
    return out;
}

SurfacePtr Canvas::Opaque() const {
    SurfacePtr out = NewSurface(PixelWidth(), PixelHeight(), SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < PixelHeight(); ++y) {
        auto* row = static_cast<Uint8*>(out->pixels) + y * out->pitch;
        for (int x = 0; x < PixelWidth(); ++x) {
            const Colour c = At(x, y);
            // Whatever is not fully covered is laid over black, the colour under every sheet.
            const float a = c.a / 255.0F;
            row[x * 3 + 0] = ToByte(c.r * a);
            row[x * 3 + 1] = ToByte(c.g * a);
            row[x * 3 + 2] = ToByte(c.b * a);
        }
    }
    return out;
}

SurfacePtr Canvas::WithAlpha() const {
    SurfacePtr out = NewSurface(PixelWidth(), PixelHeight(), SDL_PIXELFORMAT_ABGR8888);
    if (SDL_ConvertPixels(PixelWidth(), PixelHeight(), m_surface->format->format, m_surface->pixels,
                          m_surface->pitch, out->format->format, out->pixels, out->pitch) != 0) {
        throw std::runtime_error(std::string("cannot convert a surface: ") + SDL_GetError());
    }
    return out;
}

}  // namespace assetgen
