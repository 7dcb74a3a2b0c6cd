#include "platform/TextureLoader.h"

#include <SDL.h>
#include <SDL_image.h>

#include <vector>

#include "platform/Device.h"
#include "platform/Texture.h"

namespace platform {

namespace {

int PowerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size) {
        power <<= 1;
    }
    return power;
}

}  // namespace

HRESULT CreateTextureFromFile(Device* device, const char* path, std::uint32_t colourKey, ImageInfo* info,
                              Texture** texture) {
    if (device == nullptr || path == nullptr || path[0] == '\0' || texture == nullptr) {
        return E_INVALIDARG;
    }
    *texture = nullptr;
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) {
        return E_FAIL;
    }
    if (loaded->w <= 0 || loaded->h <= 0 || loaded->w > kLargestImageSide || loaded->h > kLargestImageSide) {
        SDL_FreeSurface(loaded);
        return E_FAIL;
    }
    // 24-bit BMPs arrive as BGR and PNGs as ABGR: one format before keying.
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (argb == nullptr) {
        return E_FAIL;
    }

    const int width = argb->w;
    const int height = argb->h;
    const int textureWidth = PowerOfTwoAtLeast(width);
    const int textureHeight = PowerOfTwoAtLeast(height);
    std::vector<std::uint32_t> pixels(
        static_cast<std::size_t>(textureWidth) * static_cast<std::size_t>(textureHeight), 0u);
    SDL_LockSurface(argb);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
        std::uint32_t* destination =
            &pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(textureWidth)];
        for (int x = 0; x < width; ++x) {
            destination[x] = row[x] == colourKey ? 0u : row[x];
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);

    *texture = device->CreateTexture(textureWidth, textureHeight, pixels.data(),
                                     textureWidth * static_cast<int>(sizeof(std::uint32_t)));
    if (*texture == nullptr) {
        return E_OUTOFMEMORY;
    }
    if (info != nullptr) {
        info->width = static_cast<std::uint32_t>(width);
        info->height = static_cast<std::uint32_t>(height);
    }
    return S_OK;
}

}  // namespace platform
