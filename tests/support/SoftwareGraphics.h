#pragma once

#include <cstdint>

namespace testing_support {

// The framework's graphics object on the software renderer over an 800 × 600 surface, as g_pGraphics,
// g_pDevice and g_pSprite for the lifetime of the object. Pixels are read back as 0xAARRGGBB.
class SoftwareGraphics {
public:
    SoftwareGraphics(int width = 800, int height = 600);
    ~SoftwareGraphics();

    SoftwareGraphics(const SoftwareGraphics&) = delete;
    SoftwareGraphics& operator=(const SoftwareGraphics&) = delete;

    bool Ready() const;
    std::uint32_t Pixel(int x, int y) const;
    void Clear(std::uint32_t argb);
    // Counts the pixels of the area whose colour is within tolerance of the given one (alpha ignored).
    int CountNear(int left, int top, int right, int bottom, std::uint32_t argb, int tolerance = 0) const;
    // FNV-1a over every pixel of the picture: equal pictures, equal sums.
    std::uint64_t Checksum() const;
};

// True when every colour channel of the two ARGB values differs by at most the tolerance (alpha ignored).
bool ColoursNear(std::uint32_t a, std::uint32_t b, int tolerance);

}  // namespace testing_support
