#pragma once

#include <cstdint>

#include "platform/system/Types.h"

namespace platform {

class Device;
class Texture;

// Sizes of an image file.
struct ImageInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// The largest image side the loader accepts; larger files are refused rather than allocated.
constexpr int kLargestImageSide = 8192;

// Loads a BMP or PNG file into a texture of the device: the pixels are converted to 32-bit ARGB, every
// pixel equal to the ARGB colour key becomes transparent black, and the texture is the image's size
// rounded up to powers of two, the image at its top-left. Fills info with the image file's own size.
HRESULT CreateTextureFromFile(Device* device, const char* path, std::uint32_t colourKey, ImageInfo* info,
                              Texture** texture);

}  // namespace platform
