#pragma once

#include <SDL_ttf.h>

#include <string>

#include "Canvas.h"
#include "Mask.h"

namespace assetgen {

// Lettering for the pictures: DejaVu Sans Bold for Latin text and digits, DejaVu Sans Mono Bold for the
// game's text font, IPAGothic for Japanese, all
// located through fontconfig. Text is rendered large and then fitted into the box it must fill, so small
// labels are cut from crisp outlines rather than from hinted small sizes.
class Lettering {
public:
    enum class Face { Latin, Japanese, Mono };
    enum class Align { Left, Centre, Right };

    struct Style {
        Canvas::Paint fill;
        Colour outline;
        float outlineWidth = 2.0F;
        Align align = Align::Centre;
        // How much narrower than its natural shape the text may be squeezed to fill the height (1 = never).
        float maxSqueeze = 1.0F;
    };

    Lettering() = default;
    ~Lettering();
    Lettering(const Lettering&) = delete;
    Lettering& operator=(const Lettering&) = delete;

    // Finds and opens both faces; on failure `error` says which font is missing and how to get it.
    bool Open(std::string& error);

    // The text's ink, cropped to its bounds, at the large working size (larger for a picture painted at a
    // high scale, so its letters are still cut from outlines, not enlarged).
    Mask Ink(Face face, const std::string& text, int scale = 1) const;
    // The text's ink uncropped: the full line height from ascent to descent and the full advance, so that
    // glyphs rendered one by one share a baseline and, in the monospaced face, a width.
    Mask Line(Face face, const std::string& text, int scale = 1) const;
    // Paints `text` into the box (left, top, width, height), as large as fits, outline included; at the
    // canvas's scale.
    void Draw(Canvas& canvas, Face face, const std::string& text, int left, int top, int width, int height,
              const Style& style) const;
    // Paints an already fitted mask with its outline, its top-left corner (outline included) at (left, top)
    // in the game's pixels; the mask was fitted at the canvas's scale.
    static void PaintMask(Canvas& canvas, const Mask& mask, int left, int top, const Style& style);
    // `ink` scaled to fit (width, height) once an outline of `outlineWidth` is added round it, all in the
    // game's pixels, and made at `scale` of its own pixels to each of those.
    static Mask Fit(const Mask& ink, int width, int height, float outlineWidth, float maxSqueeze,
                    int scale = 1);

private:
    static constexpr int kWorkingSize = 120;

    TTF_Font* m_latin = nullptr;
    TTF_Font* m_japanese = nullptr;
    TTF_Font* m_mono = nullptr;

    TTF_Font* FontOf(Face face) const;
    SurfacePtr Render(Face face, const std::string& text, int scale) const;
};

}  // namespace assetgen
