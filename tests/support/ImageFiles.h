#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "support/TemporaryDirectory.h"

namespace testing_support {

// Writes a 24-bit BMP whose pixels come from the function (0xRRGGBB).
void WriteBmp24(const std::string& path, int width, int height,
                const std::function<std::uint32_t(int, int)>& rgb);
// Writes a 32-bit BMP with an alpha channel (0xAARRGGBB).
void WriteBmp32(const std::string& path, int width, int height,
                const std::function<std::uint32_t(int, int)>& argb);

}  // namespace testing_support
