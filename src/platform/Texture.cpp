#include "platform/Texture.h"

#include <SDL.h>

#include "platform/Device.h"

namespace platform {

Texture::Texture(Device* device, SDL_Texture* texture, int width, int height)
    : device(device), texture(texture), width(width), height(height) {}

Texture::~Texture() {
    if (device != nullptr) {
        device->ForgetTexture(this);
    }
    if (texture != nullptr) {
        SDL_DestroyTexture(texture);
    }
}

std::uint32_t Texture::AddRef() {
    return ++references;
}

std::uint32_t Texture::Release() {
    const std::uint32_t left = --references;
    if (left == 0) {
        delete this;
    }
    return left;
}

void Texture::Detach() {
    device = nullptr;
    texture = nullptr;
    previous = nullptr;
    next = nullptr;
}

}  // namespace platform
