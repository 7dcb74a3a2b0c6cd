#include "Mask.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

Mask Mask::Dilated(float radius) const {
    const int pad = static_cast<int>(std::ceil(radius)) + 1;
    const int side = 2 * pad + 1;
    // Each source pixel reaches `radius` further; the last pixel of reach fades out.
    std::vector<float> reach(static_cast<std::size_t>(side) * side);
    for (int dy = -pad; dy <= pad; ++dy) {
        for (int dx = -pad; dx <= pad; ++dx) {
            reach[static_cast<std::size_t>(dy + pad) * side + (dx + pad)] =
                std::clamp(radius + 0.5F - std::hypot(float(dx), float(dy)), 0.0F, 1.0F);
        }
    }
    // Every covered pixel spreads over the pixels it reaches: wide outlines on large masks would take
    // minutes gathering over every pixel's whole neighbourhood instead.
    Mask out(width + 2 * pad, height + 2 * pad);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float cover = At(x, y);
            if (cover <= 0.0F) {
                continue;
            }
            for (int dy = -pad; dy <= pad; ++dy) {
                for (int dx = -pad; dx <= pad; ++dx) {
                    const float weight = reach[static_cast<std::size_t>(dy + pad) * side + (dx + pad)];
                    if (weight > 0.0F) {
                        float& target = out.Ref(x + pad - dx, y + pad - dy);
                        target = std::max(target, weight * cover);
                    }
                }
            }
        }
    }
    return out;
}

Mask Mask::Thresholded(float level) const {
    Mask out(width, height);
    for (std::size_t index = 0; index < cover.size(); ++index) {
        out.cover[index] = cover[index] >= level ? 1.0F : 0.0F;
    }
    return out;
}

Mask Mask::Resized(int w, int h) const {
    Mask out(w, h);
    const float sx = static_cast<float>(width) / w;
    const float sy = static_cast<float>(height) / h;
    for (int y = 0; y < h; ++y) {
        const float y0 = y * sy;
        const float y1 = (y + 1) * sy;
        for (int x = 0; x < w; ++x) {
            const float x0 = x * sx;
            const float x1 = (x + 1) * sx;
            float sum = 0.0F;
            for (int iy = static_cast<int>(y0); iy < static_cast<int>(std::ceil(y1)); ++iy) {
                const float wy = std::min(y1, iy + 1.0F) - std::max(y0, float(iy));
                for (int ix = static_cast<int>(x0); ix < static_cast<int>(std::ceil(x1)); ++ix) {
                    const float wx = std::min(x1, ix + 1.0F) - std::max(x0, float(ix));
                    sum += wx * wy * At(ix, iy);
                }
            }
            out.Ref(x, y) = std::clamp(sum / (sx * sy), 0.0F, 1.0F);
        }
    }
    return out;
}

}  // namespace assetgen
