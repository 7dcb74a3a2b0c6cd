// Arbitrary bytes as an image file given to the texture loader, with a colour key from the bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "app/Graphics.h"
#include "platform/video/Texture.h"
#include "platform/video/TextureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!fuzzing::StartHeadlessGraphics()) {
        std::abort();
    }
    const std::string path = fuzzing::ScratchDirectory() + "/image.bmp";
    if (!fuzzing::WriteFile(path, data, size)) {
        return 0;
    }
    std::uint32_t colourKey = 0xFFFF00FFu;
    if (size >= 4) {
        colourKey = static_cast<std::uint32_t>(data[size - 1]) << 24 |
                    static_cast<std::uint32_t>(data[size - 2]) << 16 |
                    static_cast<std::uint32_t>(data[size - 3]) << 8 | data[size - 4];
    }
    platform::ImageInfo info;
    platform::Texture* texture = nullptr;
    if (platform::Succeeded(
            platform::CreateTextureFromFile(Corvane::g_pDevice, path.c_str(), colourKey, &info, &texture))) {
        if (texture == nullptr || info.width == 0 || info.height == 0 ||
            info.width > static_cast<std::uint32_t>(texture->GetWidth()) ||
            info.height > static_cast<std::uint32_t>(texture->GetHeight())) {
            std::abort();
        }
        texture->Release();
    } else if (texture != nullptr) {
        std::abort();
    }
    return 0;
}
