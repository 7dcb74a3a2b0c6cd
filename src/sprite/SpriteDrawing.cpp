// The drawing half of the image: the world matrix, the blend states and the sprite batcher's calls.
#include <glm/ext/matrix_transform.hpp>

#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/SpriteBatcher.h"
#include "sprite/SpriteBase.h"
#include "sprite/SpriteTypes.h"

namespace Corvane {

using namespace platform;

namespace {

struct BlendStates {
    std::uint32_t enable;
    D3DBLEND source;
    D3DBLEND destination;
};

// Blend states of each blend mode, in the order of the modes.
constexpr BlendStates kBlendStates[] = {
    {0, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA},  // BLEND_NONE
    {1, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA},  // BLEND_ALPHA
    {1, D3DBLEND_SRCALPHA, D3DBLEND_ONE},          // BLEND_ADD
    {1, D3DBLEND_ZERO, D3DBLEND_INVSRCALPHA},      // BLEND_ERASE
    {1, D3DBLEND_INVDESTCOLOR, D3DBLEND_ZERO},     // BLEND_INVERT
    {1, D3DBLEND_DESTCOLOR, D3DBLEND_SRCALPHA},    // BLEND_MULTIPLY
};

const BlendStates& StatesOf(int blend) {
    return blend >= BLEND_NONE && blend <= BLEND_MULTIPLY ? kBlendStates[blend] : kBlendStates[BLEND_ALPHA];
}

}  // namespace

glm::mat4 CSpriteBase::GetWorldMatrix() const {
    float ox = 0.0f;
    float oy = 0.0f;
    GetPivotOffset(ox, oy);
    const float sx = (flip & FLIP_HORIZONTAL) != 0 ? -scaleX : scaleX;
    const float sy = (flip & FLIP_VERTICAL) != 0 ? -scaleY : scaleY;
    const glm::mat4 scale = glm::scale(glm::mat4(1.0f), glm::vec3(sx, sy, 1.0f));
    const glm::mat4 turn = glm::rotate(glm::mat4(1.0f), rotation, glm::vec3(0.0f, 0.0f, 1.0f));
    const glm::mat4 move = glm::translate(glm::mat4(1.0f), glm::vec3(x + ox, y + oy, 0.0f));
    // Scale and flip first, then rotate, then move the pivot into place.
    return move * turn * scale;
}

void CSpriteBase::DrawTransformed(const glm::mat4& world) {
    DrawRectTransformed(srcLeft, srcTop, srcLeft + width, srcTop + height, world);
}

void CSpriteBase::Draw() {
    DrawTransformed(GetWorldMatrix());
}

void CSpriteBase::DrawRectTransformed(int left, int top, int right, int bottom, const glm::mat4& world) {
    if (g_pSprite == nullptr || device == nullptr || !visible) {
        return;
    }
    const std::uint32_t savedEnable = device->GetRenderState(D3DRS_ALPHABLENDENABLE);
    const std::uint32_t savedSource = device->GetRenderState(D3DRS_SRCBLEND);
    const std::uint32_t savedDestination = device->GetRenderState(D3DRS_DESTBLEND);

    const BlendStates& states = StatesOf(blend);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, states.enable);
    device->SetRenderState(D3DRS_SRCBLEND, states.source);
    device->SetRenderState(D3DRS_DESTBLEND, states.destination);

    g_pSprite->Begin(0);
    const Rect source{left, top, right, bottom};
    float cx = 0.0f;
    float cy = 0.0f;
    GetPivot(cx, cy);
    const glm::vec3 centre(cx, cy, 0.0f);
    g_pSprite->SetTransform(world);
    g_pSprite->Draw(texture, &source, &centre, nullptr, VertexColour());
    g_pSprite->End();

    device->SetRenderState(D3DRS_ALPHABLENDENABLE, savedEnable);
    device->SetRenderState(D3DRS_SRCBLEND, savedSource);
    device->SetRenderState(D3DRS_DESTBLEND, savedDestination);
}

void CSpriteBase::DrawRect(int left, int top, int right, int bottom) {
    const int keptWidth = width;
    const int keptHeight = height;
    width = right - left;
    height = bottom - top;
    DrawRectTransformed(left, top, right, bottom, GetWorldMatrix());
    width = keptWidth;
    height = keptHeight;
}

}  // namespace Corvane
