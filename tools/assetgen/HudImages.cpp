#include "HudImages.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace assetgen {

namespace {

using palette::kInk;

// Ten digits in cells of cellW × cellH from x 0. All ten share one scale, taken from the widest and the
// tallest digit, so strokes and heights match whichever digits a number is made of.
Canvas DigitStrip(const Lettering& lettering, int cellW, int cellH, const Canvas::Paint& fill, float outline,
                  int scale) {
    Mask inks[10];
    int widest = 0;
    int tallest = 0;
    for (int d = 0; d < 10; ++d) {
        inks[d] = lettering.Ink(Lettering::Face::Latin, std::to_string(d), scale);
        widest = std::max(widest, inks[d].width);
        tallest = std::max(tallest, inks[d].height);
    }
    const float pad = std::ceil(outline) + 1.0F;
    const float scaleY = (cellH - 2.0F * pad) / tallest;
    // Bold digits squeezed a little read as a figure font and still fill the tall cell.
    const float scaleX = std::min(scaleY, (cellW - 2.0F * pad) / widest);
    Canvas strip(cellW * 10, cellH, Colour{0, 0, 0, 0}, scale);
    for (int d = 0; d < 10; ++d) {
        const int w = std::max(1, static_cast<int>(std::lround(inks[d].width * scaleX)));
        const int h = std::max(1, static_cast<int>(std::lround(inks[d].height * scaleY)));
        const Mask glyph = inks[d].Resized(w * scale, h * scale);
        const int left = d * cellW + (cellW - w) / 2;
        const int top = cellH - static_cast<int>(pad) - h;
        // The outline is grown from the glyph's hard shape, not its soft edge: squeezed to a cell, an edge
        // pixel's coverage swings about a half from row to row, and the outline's fading last pixel would
        // follow it, leaving dark specks beside the stroke once the picture is keyed. A quarter pixel more
        // reach rounds the outline's corners: at exactly the width, a corner would keep the one pixel
        // straight out from it and lose the two beside that one.
        const Mask rim = glyph.Thresholded(0.5F).Dilated((outline + 0.25F) * scale);
        const int inset = (rim.width - glyph.width) / 2;
        strip.Paste(rim, left * scale - inset, top * scale - inset, Solid(kInk));
        strip.Paste(glyph, left * scale, top * scale, fill);
    }
    return strip;
}

Canvas Caption(const Lettering& lettering, const std::string& text, int width, int height, int scale) {
    Canvas canvas(width, height, Colour{0, 0, 0, 0}, scale);
    const Lettering::Style style{VerticalGradient(palette::kPaper, palette::kGoldLight, 0.0F, float(height)),
                                 kInk, 2.0F, Lettering::Align::Centre, 1.45F};
    lettering.Draw(canvas, Lettering::Face::Latin, text, 0, 0, width, height, style);
    return canvas;
}

Canvas KeyCap(const Lettering& lettering, int colour, const std::string& letter, int scale) {
    const Colour base = palette::kArrowColours[colour];
    Canvas canvas(48, 48, Colour{0, 0, 0, 0}, scale);
    // A key seen slightly from above: a darker skirt, then the lit top face.
    canvas.Outlined(Shape::Box(2, 2, 46, 46, 8), Mix(base, kInk, 0.45F), kInk, 2.0F);
    canvas.Fill(Shape::Box(4, 3, 44, 40, 7),
                VerticalGradient(Mix(base, palette::kPaper, 0.35F), base, 3, 40));
    const Lettering::Style letterStyle{Solid(palette::kPaper), kInk, 2.0F, Lettering::Align::Left, 1.0F};
    if (!letter.empty()) {
        lettering.Draw(canvas, Lettering::Face::Latin, letter, 3, 5, 23, 30, letterStyle);
    }
    canvas.Outlined(Shape::Mark(colour, {35.5F, 21.5F}, 6.2F), palette::kPaper, kInk, 1.6F);
    return canvas;
}

Canvas OutOfArrows(const Lettering& lettering, int scale) {
    Canvas canvas(360, 60, Colour{0, 0, 0, 0}, scale);
    canvas.Outlined(Shape::Box(2, 2, 358, 58, 12), Colour{38, 30, 54}, kInk, 2.0F);
    canvas.Fill(Shape::Box(5, 5, 355, 55, 10).Minus(Shape::Box(7, 7, 353, 53, 8)), palette::kCrimson);
    lettering.Draw(canvas, Lettering::Face::Latin, "OUT OF ARROWS", 10, 6, 340, 28,
                   Lettering::Style{VerticalGradient(palette::kCrimsonLight, palette::kCrimson, 8, 32), kInk,
                                    2.0F, Lettering::Align::Centre, 1.2F});
    lettering.Draw(canvas, Lettering::Face::Latin, "press SPACE", 10, 32, 340, 22,
                   Lettering::Style{Solid(palette::kPaper), kInk, 1.5F, Lettering::Align::Centre, 1.0F});
    return canvas;
}

Canvas PlusSign(Colour fill, int scale) {
    Canvas canvas(20, 25, Colour{0, 0, 0, 0}, scale);
    const Shape bar = Shape::Box(2.5F, 10.0F, 17.5F, 16.0F, 1.0F);
    const Shape post = Shape::Box(7.0F, 5.5F, 13.0F, 20.5F, 1.0F);
    canvas.Fill(bar.Grown(2.0F), kInk);
    canvas.Fill(post.Grown(2.0F), kInk);
    const Canvas::Paint paint = VerticalGradient(palette::kGoldLight, fill, 5.0F, 20.0F);
    canvas.Fill(bar, paint);
    canvas.Fill(post, paint);
    return canvas;
}

Canvas MinusSign(Colour fill, int scale) {
    Canvas canvas(20, 7, Colour{0, 0, 0, 0}, scale);
    canvas.Outlined(Shape::Box(2.0F, 1.8F, 18.0F, 5.2F, 1.0F), fill, kInk, 1.5F);
    return canvas;
}

// The volume indicator's pieces, side by side: a speaker (36 × 36), the same speaker struck through, then a
// lit and an unlit bar (8 × 36 each, from x 76 and 86), which the game draws cut to rising heights. The
// gaps keep each piece clear of its neighbour's edge when the picture is drawn scaled.
Canvas VolumePieces(int scale) {
    Canvas canvas(96, 36, Colour{0, 0, 0, 0}, scale);
    for (int muted = 0; muted < 2; ++muted) {
        const float left = muted * 36.0F;
        const Shape box = Shape::Box(left + 4, 13, left + 11, 23, 1.5F);
        const Shape cone =
            Shape::Polygon({{left + 10, 13}, {left + 18, 6}, {left + 18, 30}, {left + 10, 23}});
        canvas.Fill(box.Grown(2.0F), kInk);
        canvas.Fill(cone.Grown(2.0F), kInk);
        canvas.Fill(box, palette::kPaper);
        canvas.Fill(cone, palette::kPaper);
        if (muted == 0) {
            // Two sound waves leaving the cone.
            // Two sound waves leaving the cone: arcs, each a chain of short strokes.
            std::vector<Shape> strokes;
            for (int wave = 0; wave < 2; ++wave) {
                const float radius = 6.0F + wave * 6.0F;
                constexpr int kPieces = 6;
                for (int piece = 0; piece < kPieces; ++piece) {
                    const float from = -0.75F + 1.5F * piece / kPieces;
                    const float to = -0.75F + 1.5F * (piece + 1) / kPieces;
                    strokes.push_back(Shape::Capsule(
                        {left + 17 + radius * std::cos(from), 18 + radius * std::sin(from)},
                        {left + 17 + radius * std::cos(to), 18 + radius * std::sin(to)}, 1.3F));
                }
            }
            for (const Shape& stroke : strokes) {
                canvas.Fill(stroke.Grown(1.5F), kInk);
            }
            for (const Shape& stroke : strokes) {
                canvas.Fill(stroke, palette::kPaper);
            }
        } else {
            const Shape cross = Shape::Capsule({left + 23, 12}, {left + 31, 24}, 1.6F);
            const Shape other = Shape::Capsule({left + 23, 24}, {left + 31, 12}, 1.6F);
            canvas.Fill(cross.Grown(1.5F), kInk);
            canvas.Fill(other.Grown(1.5F), kInk);
            canvas.Fill(cross, palette::kCrimson);
            canvas.Fill(other, palette::kCrimson);
        }
    }
    canvas.Outlined(Shape::Box(77, 1, 83, 35, 1.5F),
                    VerticalGradient(palette::kGoldLight, palette::kGold, 1, 35), kInk, 1.5F);
    canvas.Outlined(Shape::Box(87, 1, 93, 35, 1.5F), palette::kShade, kInk, 1.5F);
    return canvas;
}

}  // namespace

void PaintHudImages(const Lettering& lettering, ImageSet& images) {
    using Kind = ImageSet::Kind;
    // The digits and the captions the game draws scaled up (the score screen's number at 3.5 times) are
    // painted sharper still.
    constexpr int kFigureScale = 8;
    constexpr int kCaptionScale = 4;
    const auto digits = [&lettering](int cellW, int cellH, const Canvas::Paint& fill, float outline) {
        return [&lettering, cellW, cellH, fill, outline](int scale) {
            return DigitStrip(lettering, cellW, cellH, fill, outline, scale);
        };
    };
    images.Add("PlusFigure.bmp", Kind::KeyedBmp,
               digits(20, 32, VerticalGradient(palette::kGoldLight, palette::kGold, 6, 26), 2.0F),
               kFigureScale);
    images.Add("MinusFigure.bmp", Kind::KeyedBmp,
               digits(20, 32, VerticalGradient(palette::kCrimsonLight, palette::kCrimson, 6, 26), 2.0F),
               kFigureScale);
    images.Add("ScoreFigure.bmp", Kind::KeyedBmp,
               digits(20, 32, VerticalGradient(palette::kPaper, Colour{200, 210, 228}, 6, 26), 2.0F),
               kFigureScale);
    images.Add("TimeFigure.bmp", Kind::KeyedBmp,
               digits(30, 50, VerticalGradient(palette::kPaper, palette::kSkyLow, 8, 42), 3.0F),
               kFigureScale);
    images.Add("Plus.bmp", Kind::KeyedBmp, [](int scale) { return PlusSign(palette::kGold, scale); });
    images.Add("Minus.bmp", Kind::KeyedBmp, [](int scale) { return MinusSign(palette::kCrimson, scale); });
    const auto caption = [&lettering](const char* text, int width, int height) {
        return [&lettering, text, width, height](int scale) {
            return Caption(lettering, text, width, height, scale);
        };
    };
    images.Add("Score.bmp", Kind::KeyedBmp, caption("SCORE", 60, 32), kCaptionScale);
    images.Add("Time.bmp", Kind::KeyedBmp, caption("TIME", 80, 36), kCaptionScale);
    images.Add("combo.bmp", Kind::KeyedBmp, caption("COMBO", 80, 32), kCaptionScale);
    images.Add("MaxScore.bmp", Kind::KeyedBmp, caption("MAX SCORE", 150, 30), kFigureScale);
    const char* const letters[4] = {"Z", "X", "C", "V"};
    for (int colour = 0; colour < 4; ++colour) {
        images.Add(std::string(letters[colour]) + ".bmp", Kind::KeyedBmp,
                   [&lettering, colour, letter = letters[colour]](int scale) {
                       return KeyCap(lettering, colour, letter, scale);
                   });
    }
    // The same caps without a letter, for the label of whatever key the player bound to the colour.
    const char* const blanks[4] = {"cap_red.bmp", "cap_yellow.bmp", "cap_blue.bmp", "cap_green.bmp"};
    for (int colour = 0; colour < 4; ++colour) {
        images.Add(blanks[colour], Kind::KeyedBmp,
                   [&lettering, colour](int scale) { return KeyCap(lettering, colour, "", scale); });
    }
    images.Add("Black.bmp", Kind::OpaqueBmp, [](int scale) {
        return Canvas(800, 600, Colour{0, 0, 0, 255}, scale);
    });
    images.Add("stock0.bmp", Kind::KeyedBmp,
               [&lettering](int scale) { return OutOfArrows(lettering, scale); });
    images.Add("volume.bmp", Kind::KeyedBmp, [](int scale) { return VolumePieces(scale); });
}

}  // namespace assetgen
