#include "platform/video/TextureLoader.h"

#include <SDL.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <vector>

#include "platform/video/Device.h"
#include "platform/video/Texture.h"

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

std::string SharpTwinOf(const char* path) {
    const char* slash = std::strrchr(path, '/');
    const std::string directory(path, slash != nullptr ? slash + 1 : path);
    const std::string name(slash != nullptr ? slash + 1 : path);
    const std::size_t dot = name.rfind('.');
    return directory + "sharp/" + name.substr(0, dot) + ".png";
}

HRESULT CreateTextureFromFile(Device* device, const char* path, std::uint32_t colourKey, ImageInfo* info,
                              Texture** texture) {
    if (device == nullptr || path == nullptr || path[0] == '\0' || texture == nullptr) {
        return E_INVALIDARG;
    }
    *texture = nullptr;
    SDL_Surface* argb = ReadImageFile(path);
    if (argb == nullptr) {
        return E_FAIL;
    }
    const int width = argb->w;
    const int height = argb->h;
    const int textureWidth = PowerOfTwoAtLeast(width);
    const int textureHeight = PowerOfTwoAtLeast(height);
    ClearColourKey(argb, colourKey);
    *texture = device->CreateTextureUploadedLater(textureWidth, textureHeight, argb);
    if (*texture == nullptr) {
        return E_OUTOFMEMORY;
    }
    const std::string twin = SharpTwinOf(path);
    if (access(twin.c_str(), R_OK) == 0) {
        device->NoteSharpTwin(*texture, twin, width, height);
    }
    if (info != nullptr) {
        info->width = static_cast<std::uint32_t>(width);
        info->height = static_cast<std::uint32_t>(height);
    }
    return S_OK;
}

}  // namespace platform
