#include "platform/video/Texture.h"

#include <SDL.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/system/ErrorOutput.h"

namespace platform {

namespace {

// Fills the part of the texture that the picture does not cover, right of it and below it, with transparent
// black: a filtered edge of the picture reads it.
void ClearAround(SDL_Texture* texture, int pictureWidth, int pictureHeight, int width, int height) {
    const int rightWidth = width - pictureWidth;
    const int belowHeight = height - pictureHeight;
    if (rightWidth <= 0 && belowHeight <= 0) {
        return;
    }
    const std::vector<std::uint32_t> clear(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(std::max(pictureHeight, belowHeight)), 0u);
    const int pitch = width * static_cast<int>(sizeof(std::uint32_t));
    if (rightWidth > 0) {
        const SDL_Rect right{pictureWidth, 0, rightWidth, pictureHeight};
        SDL_UpdateTexture(texture, &right, clear.data(), pitch);
    }
    if (belowHeight > 0) {
        const SDL_Rect below{0, pictureHeight, width, belowHeight};
        SDL_UpdateTexture(texture, &below, clear.data(), pitch);
    }
}

}  // namespace

Texture* Texture::Create(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height) {
    return new Texture(std::move(life), texture, width, height);
}

Texture::Texture(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height)
    : life(std::move(life)), texture(texture), width(width), height(height) {}

Texture::~Texture() {
    ForgetHeld();
    if (life->device == nullptr) {
        return;
    }
    for (SDL_Texture* made : {texture, sharp}) {
        if (made != nullptr) {
            SDL_DestroyTexture(made);
        }
    }
}

void Texture::Sharpen(SDL_Texture* sharper) {
    if (life->device != nullptr && sharp != nullptr) {
        SDL_DestroyTexture(sharp);
    }
    sharp = sharper;
}

void Texture::HoldPicture(SDL_Surface* picture) {
    ForgetHeld();
    held = picture;
    if (held != nullptr) {
        life->holding.push_back(this);
    }
}

void Texture::ForgetHeld() {
    if (held != nullptr) {
        SDL_FreeSurface(held);
        held = nullptr;
        std::erase(life->holding, this);
    }
}

void Texture::UploadHeld() {
    if (held == nullptr) {
        return;
    }
    if (life->device != nullptr && texture == nullptr) {
        // Made now rather than when the picture was loaded: making a large texture costs a renderer that
        // draws on the CPU about as much as filling it, and the first frame needs only a few.
        texture = SDL_CreateTexture(life->renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width,
                                    height);
        if (texture == nullptr) {
            PrintError("a picture cannot be shown, no texture for it: %s", SDL_GetError());
        } else {
            SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
        }
    }
    if (life->device != nullptr && texture != nullptr) {
        const SDL_Rect area{0, 0, std::min(held->w, width), std::min(held->h, height)};
        SDL_UpdateTexture(texture, &area, held->pixels, held->pitch);
        ClearAround(texture, area.w, area.h, width, height);
    }
    ForgetHeld();
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
