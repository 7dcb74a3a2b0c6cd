#include "platform/video/Device.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/video/SharpTextures.h"
#include "platform/video/Texture.h"
#include "platform/video/Window.h"

namespace platform {

namespace {

void SetDrawColour(SDL_Renderer* renderer, std::uint32_t argb) {
    SDL_SetRenderDrawColor(renderer, static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                           static_cast<Uint8>(argb), static_cast<Uint8>(argb >> 24));
}

// True when the picture does not cover the whole target of the given size: letterboxing leaves bars round it.
bool HasBars(SDL_Renderer* renderer, int outputWidth, int outputHeight) {
    SDL_Rect viewport;
    SDL_RenderGetViewport(renderer, &viewport);
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(renderer, &scaleX, &scaleY);
    return viewport.x != 0 || viewport.y != 0 ||
           std::lround(static_cast<float>(viewport.w) * scaleX) != outputWidth ||
           std::lround(static_cast<float>(viewport.h) * scaleY) != outputHeight;
}

}  // namespace

Device* Device::CreateForWindow(Window& window, D3DDEVTYPE type, const D3DPRESENT_PARAMETERS& parameters) {
    Uint32 flags = type == D3DDEVTYPE_HAL ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE;
    const bool vsync = parameters.presentationInterval != D3DPRESENT_INTERVAL_IMMEDIATE;
    if (vsync) {
        flags |= SDL_RENDERER_PRESENTVSYNC;
    }
    SDL_Renderer* renderer = SDL_CreateRenderer(window.GetSdlWindow(), -1, flags);
    if (renderer == nullptr) {
        return nullptr;
    }
    const int width = static_cast<int>(parameters.backBufferWidth);
    const int height = static_cast<int>(parameters.backBufferHeight);
    SDL_RenderSetLogicalSize(renderer, width, height);
    // Only now: making the renderer may replace the window system's window, and a window placed over the
    // display by hand, or the size hints given with it, would be lost with it. Below half its size the
    // picture is no longer readable.
    window.SetMinimumSize(width / 2, height / 2);
    if (!parameters.windowed && !window.IsFullscreen()) {
        window.SetFullscreen(true);
    }
    Device* device = new Device(renderer, nullptr, width, height);
    device->integerScaleWanted = window.WantsIntegerScale();
    SDL_RendererInfo info;
    device->vsync =
        SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    return device;
}

Device* Device::CreateForSurface(int width, int height, int pictureWidth, int pictureHeight) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (renderer == nullptr) {
        SDL_FreeSurface(surface);
        return nullptr;
    }
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        return new Device(renderer, surface, width, height);
    }
    SDL_RenderSetLogicalSize(renderer, pictureWidth, pictureHeight);
    return new Device(renderer, surface, pictureWidth, pictureHeight);
}

Device::Device(SDL_Renderer* renderer, SDL_Surface* surface, int width, int height)
    : renderer(renderer),
      surface(surface),
      backBufferWidth(width),
      backBufferHeight(height),
      life(std::make_shared<DeviceLife>(DeviceLife{this, renderer, false, {}})),
      sharp(std::make_unique<SharpTextures>(renderer)) {
    SDL_RendererInfo info;
    rendererName = SDL_GetRendererInfo(renderer, &info) == 0 && info.name != nullptr ? info.name : "unknown";
}

Device::~Device() {
    // The textures waiting for their sharp twins are let go while the renderer can still destroy them.
    sharp.reset();
    // SDL destroys every texture with its renderer; the handles the game still holds stay safe to release.
    life->device = nullptr;
    SDL_DestroyRenderer(renderer);
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
    }
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, std::uint32_t value) {
    if (state >= kRenderStateCount) {
        return E_INVALIDARG;
    }
    switch (state) {
        case D3DRS_ALPHABLENDENABLE:
            alphaBlendEnable = value;
            break;
        case D3DRS_SRCBLEND:
            sourceBlend = value;
            break;
        case D3DRS_DESTBLEND:
            destinationBlend = value;
            break;
        default:
            break;
    }
    return S_OK;
}

std::uint32_t Device::GetRenderState(D3DRENDERSTATETYPE state) const {
    switch (state) {
        case D3DRS_ALPHABLENDENABLE:
            return alphaBlendEnable;
        case D3DRS_SRCBLEND:
            return sourceBlend;
        case D3DRS_DESTBLEND:
            return destinationBlend;
        default:
            return 0;
    }
}

HRESULT Device::SetTextureStageState(std::uint32_t stage, D3DTEXTURESTAGESTATETYPE type, std::uint32_t) {
    return stage < kTextureStageCount && type < kTextureStageStateCount ? S_OK : E_INVALIDARG;
}

HRESULT Device::SetTexture(std::uint32_t stage, Texture*) {
    return stage < kTextureStageCount ? S_OK : E_INVALIDARG;
}

Texture* Device::GetTexture(std::uint32_t) const {
    return nullptr;
}

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE type, const glm::mat4&) {
    return type == D3DTS_VIEW || type == D3DTS_PROJECTION || type == D3DTS_WORLD ? S_OK : E_INVALIDARG;
}

HRESULT Device::Clear(std::uint32_t flags, std::uint32_t colour, float, std::uint32_t) {
    // The 2D renderer has no depth or stencil buffer; only the target is cleared.
    if ((flags & D3DCLEAR_TARGET) == 0) {
        return S_OK;
    }
    // Clearing ignores the viewport, so the whole target is cleared black for the bars round a letterboxed
    // picture, and only the picture itself gets the game's colour. Without bars one clear does both: a
    // second fill of the whole target costs a renderer that draws on the CPU about a millisecond a frame.
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    int outputWidth = 0;
    int outputHeight = 0;
    const bool sized = SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) == 0;
    if (sized) {
        FitIntegerScale(outputWidth, outputHeight);
        life->shownLarger = outputWidth > backBufferWidth || outputHeight > backBufferHeight;
    }
    if (sized && !HasBars(renderer, outputWidth, outputHeight)) {
        SetDrawColour(renderer, colour | 0xFF000000u);
        return SDL_RenderClear(renderer) == 0 ? S_OK : E_FAIL;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    if (SDL_RenderClear(renderer) != 0) {
        return E_FAIL;
    }
    SetDrawColour(renderer, colour | 0xFF000000u);
    return SDL_RenderFillRect(renderer, nullptr) == 0 ? S_OK : E_FAIL;
}

void Device::FitIntegerScale(int outputWidth, int outputHeight) {
    // Whole-number scaling never goes below 1x, so in a target smaller than the picture it would cut the
    // picture off: there the picture is scaled down smoothly instead, and whole numbers come back with room.
    const bool integer =
        integerScaleWanted && outputWidth >= backBufferWidth && outputHeight >= backBufferHeight;
    if (integer != integerScaleOn) {
        SDL_RenderSetIntegerScale(renderer, integer ? SDL_TRUE : SDL_FALSE);
        integerScaleOn = integer;
    }
}

HRESULT Device::BeginScene() {
    if (inScene) {
        return E_FAIL;
    }
    inScene = true;
    return S_OK;
}

HRESULT Device::EndScene() {
    if (!inScene) {
        return E_FAIL;
    }
    inScene = false;
    return S_OK;
}

HRESULT Device::Present() {
    SDL_RenderPresent(renderer);
    int outputWidth = 0;
    int outputHeight = 0;
    const bool shownLarger = SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) == 0 &&
                             (outputWidth > backBufferWidth || outputHeight > backBufferHeight);
    life->shownLarger = shownLarger;
    // The frame is out: one texture's held pixels go in now, in the time before the next frame.
    if (!life->holding.empty()) {
        life->holding.front()->UploadHeld();
    }
    sharp->AfterFrame(shownLarger);
    return S_OK;
}

Texture* Device::CreateTextureUploadedLater(int width, int height, SDL_Surface* picture) {
    Texture* texture = Texture::Create(life, nullptr, width, height);
    texture->HoldPicture(picture);
    return texture;
}

void Device::NoteSharpTwin(Texture* texture, std::string path, int imageWidth, int imageHeight) {
    sharp->Note(texture, std::move(path), imageWidth, imageHeight);
}

HRESULT Device::DrawLineStrip(const ScreenVertex* vertices, std::uint32_t lineCount) {
    if (vertices == nullptr) {
        return E_INVALIDARG;
    }
    const bool blending = alphaBlendEnable != 0;
    SDL_SetRenderDrawBlendMode(renderer, blending ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    for (std::uint32_t line = 0; line < lineCount; ++line) {
        const ScreenVertex& from = vertices[line];
        const ScreenVertex& to = vertices[line + 1];
        SetDrawColour(renderer, from.colour);
        SDL_RenderDrawLineF(renderer, from.x, from.y, to.x, to.y);
    }
    return S_OK;
}

Texture* Device::CreateTexture(int width, int height, const std::uint32_t* pixels, int pitch) {
    SDL_Texture* sdlTexture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
    if (sdlTexture == nullptr) {
        return nullptr;
    }
    if (pixels != nullptr) {
        SDL_UpdateTexture(sdlTexture, nullptr, pixels, pitch);
    }
    SDL_SetTextureScaleMode(sdlTexture, SDL_ScaleModeLinear);
    return Texture::Create(life, sdlTexture, width, height);
}

bool Device::ReadPixels(int x, int y, int width, int height, std::uint32_t* argb) const {
    const SDL_Rect area{x, y, width, height};
    return SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_ARGB8888, argb,
                                width * static_cast<int>(sizeof(std::uint32_t))) == 0;
}

std::uint32_t Device::ReadPixel(int x, int y) const {
    std::uint32_t pixel = 0;
    ReadPixels(x, y, 1, 1, &pixel);
    return pixel;
}

}  // namespace platform
