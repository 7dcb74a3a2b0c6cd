#include "support/SoftwareGraphics.h"

#include <cstdlib>
#include <vector>

#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace testing_support {

SoftwareGraphics::SoftwareGraphics(int width, int height) {
    platform::InitVideo("Yorun");
    Corvane::g_pGraphics = new Corvane::CGraphics;
    Corvane::g_pGraphics->Create(nullptr, width, height, false);
}

SoftwareGraphics::~SoftwareGraphics() {
    delete Corvane::g_pGraphics;
    Corvane::g_pGraphics = nullptr;
}

bool SoftwareGraphics::Ready() const {
    return Corvane::g_pDevice != nullptr && Corvane::g_pSprite != nullptr;
}

std::uint32_t SoftwareGraphics::Pixel(int x, int y) const {
    return Corvane::g_pDevice->ReadPixel(x, y);
}

std::uint64_t SoftwareGraphics::Checksum() const {
    constexpr int kWidth = 800;
    constexpr int kHeight = 600;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    Corvane::g_pDevice->ReadPixels(0, 0, kWidth, kHeight, pixels.data());
    std::uint64_t sum = 14695981039346656037ull;
    for (const std::uint32_t pixel : pixels) {
        sum = (sum ^ (pixel & 0xFFFFFFu)) * 1099511628211ull;
    }
    return sum;
}

void SoftwareGraphics::Clear(std::uint32_t argb) {
    Corvane::g_pDevice->Clear(platform::D3DCLEAR_TARGET, argb, 1.0f, 0);
}

bool ColoursNear(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channelA = static_cast<int>((a >> shift) & 0xFF);
        const int channelB = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(channelA - channelB) > tolerance) {
            return false;
        }
    }
    return true;
}

int SoftwareGraphics::CountNear(int left, int top, int right, int bottom, std::uint32_t argb,
                                int tolerance) const {
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0) {
        return 0;
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    Corvane::g_pDevice->ReadPixels(left, top, width, height, pixels.data());
    int count = 0;
    for (const std::uint32_t pixel : pixels) {
        if (ColoursNear(pixel, argb, tolerance)) {
            ++count;
        }
    }
    return count;
}

}  // namespace testing_support
