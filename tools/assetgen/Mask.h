#pragma once

#include <vector>

namespace assetgen {

// Coverage values 0..1 on a grid: lettering is rendered into one, resized and outlined, then painted.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> cover;

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), cover(static_cast<std::size_t>(w) * h, 0.0F) {}

    float At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return 0.0F;
        }
        return cover[static_cast<std::size_t>(y) * width + x];
    }
    float& Ref(int x, int y) { return cover[static_cast<std::size_t>(y) * width + x]; }

    // The mask widened by `radius` pixels in every direction (with a soft edge), for outlines.
    Mask Dilated(float radius) const;
    // Every pixel at least `level` covered fully covered, the rest empty.
    Mask Thresholded(float level) const;
    // Area-averaged resize to exactly w × h, for squeezing big crisp glyphs into a small cell.
    Mask Resized(int w, int h) const;
};

}  // namespace assetgen
