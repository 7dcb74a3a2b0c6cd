#include "platform/video/SpriteBatcher.h"

#include <SDL.h>

#include "platform/video/BlendModes.h"
#include "platform/video/Device.h"
#include "platform/video/Texture.h"

namespace platform {

SpriteBatcher* SpriteBatcher::Create(Device* device) {
    if (device == nullptr) {
        return nullptr;
    }
    return new SpriteBatcher(device);
}

void SpriteBatcher::Release() {
    delete this;
}

HRESULT SpriteBatcher::Begin(std::uint32_t) {
    if (begun) {
        return E_FAIL;
    }
    begun = true;
    return S_OK;
}

HRESULT SpriteBatcher::SetTransform(const glm::mat4& matrix) {
    transform = matrix;
    return S_OK;
}

HRESULT SpriteBatcher::End() {
    if (!begun) {
        return E_FAIL;
    }
    begun = false;
    return S_OK;
}

HRESULT SpriteBatcher::Draw(Texture* texture, const Rect* source, const glm::vec3* centre,
                            const glm::vec3* position, std::uint32_t colour) {
    if (!begun) {
        return E_FAIL;
    }
    if (texture == nullptr || texture->GetSdlTexture() == nullptr || texture->GetDevice() != device) {
        return S_OK;
    }
    Rect rect{0, 0, texture->GetWidth(), texture->GetHeight()};
    if (source != nullptr) {
        rect = *source;
    }
    const glm::vec3 pivot = centre != nullptr ? *centre : glm::vec3(0.0f);
    const glm::vec3 offset = position != nullptr ? *position : glm::vec3(0.0f);

    // Corners relative to the centre point, which is given from the source rectangle's top-left. The
    // matrix is in column-vector form, so a corner is multiplied from the right.
    const float left = -pivot.x;
    const float top = -pivot.y;
    const float right = static_cast<float>(rect.right - rect.left) - pivot.x;
    const float bottom = static_cast<float>(rect.bottom - rect.top) - pivot.y;
    const glm::vec4 corners[4] = {
        {left, top, 0, 1}, {right, top, 0, 1}, {right, bottom, 0, 1}, {left, bottom, 0, 1}};
    const float textureWidth = static_cast<float>(texture->GetWidth());
    const float textureHeight = static_cast<float>(texture->GetHeight());
    const float uLeft = static_cast<float>(rect.left) / textureWidth;
    const float uRight = static_cast<float>(rect.right) / textureWidth;
    const float vTop = static_cast<float>(rect.top) / textureHeight;
    const float vBottom = static_cast<float>(rect.bottom) / textureHeight;
    const float u[4] = {uLeft, uRight, uRight, uLeft};
    const float v[4] = {vTop, vTop, vBottom, vBottom};

    SDL_Texture* sdlTexture = texture->GetSdlTexture();
    const std::uint32_t vertexColour = ApplyBlendStates(*device, sdlTexture, colour);
    SDL_Vertex vertices[4];
    for (int corner = 0; corner < 4; ++corner) {
        const glm::vec4 point = transform * corners[corner];
        vertices[corner].position = SDL_FPoint{point.x + offset.x, point.y + offset.y};
        vertices[corner].color =
            SDL_Color{static_cast<Uint8>(vertexColour >> 16), static_cast<Uint8>(vertexColour >> 8),
                      static_cast<Uint8>(vertexColour), static_cast<Uint8>(vertexColour >> 24)};
        vertices[corner].tex_coord = SDL_FPoint{u[corner], v[corner]};
    }
    static constexpr int kIndices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(device->GetSdlRenderer(), sdlTexture, vertices, 4, kIndices, 6);
    return S_OK;
}

}  // namespace platform
