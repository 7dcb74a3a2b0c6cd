#include "TextImages.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace assetgen {

namespace {

constexpr int kColumns = 16;
constexpr int kRows = 6;
constexpr int kFirst = 32;

Canvas TextFont(const Lettering& lettering, int cellW, int cellH, const Canvas::Paint& fill, float outline,
                int scale) {
    Canvas grid(cellW * kColumns, cellH * kRows, Colour{0, 0, 0, 0}, scale);
    const float pad = std::ceil(outline) + 1.0F;
    // Every glyph of the monospaced face has the same advance and line height, so one scale fits all and
    // they keep their common baseline.
    const Mask sample = lettering.Line(Lettering::Face::Mono, "M", scale);
    const float fit =
        std::min((cellW - 2.0F * pad) * scale / sample.width, (cellH - 2.0F * pad) * scale / sample.height);
    const int w = std::max(1, static_cast<int>(std::lround(sample.width * fit)));
    const int h = std::max(1, static_cast<int>(std::lround(sample.height * fit)));
    for (int code = kFirst + 1; code < kFirst + kColumns * kRows - 1; ++code) {
        const Mask glyph =
            lettering.Line(Lettering::Face::Mono, std::string(1, static_cast<char>(code)), scale)
                .Resized(w, h);
        const int cell = code - kFirst;
        const int left = (cell % kColumns) * cellW * scale + (cellW * scale - w) / 2;
        const int top = (cell / kColumns) * cellH * scale + (cellH * scale - h) / 2;
        // As for the digit strips: the outline grows from the glyph's hard shape, so keying leaves no specks.
        const Mask rim = glyph.Thresholded(0.5F).Dilated((outline + 0.25F) * scale);
        const int inset = (rim.width - glyph.width) / 2;
        grid.Paste(rim, left - inset, top - inset, Solid(palette::kInk));
        grid.Paste(glyph, left, top, fill);
    }
    return grid;
}

}  // namespace

void PaintTextImages(const Lettering& lettering, ImageSet& images) {
    using Kind = ImageSet::Kind;
    constexpr int kTextScale = 4;
    images.Add(
        "TextSmall.bmp", Kind::KeyedBmp,
        [&lettering](int scale) { return TextFont(lettering, 14, 24, Solid(palette::kPaper), 1.5F, scale); },
        kTextScale);
    images.Add(
        "TextSmallGold.bmp", Kind::KeyedBmp,
        [&lettering](int scale) {
            return TextFont(lettering, 14, 24, VerticalGradient(palette::kGoldLight, palette::kGold, 0, 24),
                            1.5F, scale);
        },
        kTextScale);
    images.Add(
        "TextLarge.bmp", Kind::KeyedBmp,
        [&lettering](int scale) {
            return TextFont(lettering, 28, 48, VerticalGradient(palette::kGoldLight, palette::kGold, 0, 48),
                            2.5F, scale);
        },
        kTextScale);
}

}  // namespace assetgen
