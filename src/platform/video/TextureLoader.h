#pragma once

#include <cstdint>
#include <string>

#include "platform/system/Types.h"
#include "platform/video/ImageFile.h"

namespace platform {

class Device;
class Texture;

// Sizes of an image file.
struct ImageInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// Loads a BMP or PNG file into a texture of the device: the pixels are converted to 32-bit ARGB, every
// pixel equal to the ARGB colour key becomes transparent black, and the texture is the image's size
// rounded up to powers of two, the image at its top-left. Fills info with the image file's own size. When
// the file has a sharp twin (sharp/<name>.png beside it, a whole multiple of its size), the device is told,
// to draw from the twin's pixels once the picture is shown larger than its own size.
HRESULT CreateTextureFromFile(Device* device, const char* path, std::uint32_t colourKey, ImageInfo* info,
                              Texture** texture);

// Where a file's sharp twin would be: sharp/ beside it, with the name's extension replaced by .png.
std::string SharpTwinOf(const char* path);

}  // namespace platform
