#include "platform/video/Texture.h"

#include <SDL.h>

#include <utility>

namespace platform {

Texture* Texture::Create(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height) {
    return new Texture(std::move(life), texture, width, height);
}

Texture::Texture(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height)
    : life(std::move(life)), texture(texture), width(width), height(height) {}

Texture::~Texture() {
    if (life->device != nullptr) {
        SDL_DestroyTexture(texture);
    }
}

void Texture::Sharpen(SDL_Texture* sharper) {
    if (life->device != nullptr) {
        SDL_DestroyTexture(texture);
    }
    texture = sharper;
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

}  // namespace platform
