#include "sprite/SpriteBase.h"

#include <cstdio>
#include <cstring>

#include "base/CopyText.h"
#include "base/ErrorReport.h"
#include "platform/system/CurrentDirectory.h"
#include "platform/video/Texture.h"
#include "resources/TextureList.h"
#include "sprite/SpriteTypes.h"

namespace Corvane {

CSpriteBase::CSpriteBase() {
    CSpriteBase::Reset();
}

CSpriteBase::~CSpriteBase() {
    ReleaseTexture();
}

void CSpriteBase::ReleaseTexture() {
    if (texture != nullptr) {
        texture->Release();
        texture = nullptr;
    }
}

void CSpriteBase::Reset() {
    x = 0.0f;
    y = 0.0f;
    scaleX = 1.0f;
    scaleY = 1.0f;
    rotation = 0.0f;
    width = 0;
    height = 0;
    srcLeft = 0;
    srcTop = 0;
    imageWidth = 0;
    imageHeight = 0;
    flip = 0;
    alpha = 1.0f;
    blend = BLEND_ALPHA;
    visible = true;
    anchor = ANCHOR_CENTER;
    fileName[0] = '\0';
    directory[0] = '\0';
}

bool CSpriteBase::LoadImage(const char* name, float red, float green, float blue, float alphaKey) {
    ReleaseTexture();
    Reset();
    if (name == nullptr) {
        return true;
    }
    char currentDirectory[512];
    platform::GetCurrentDirectory(currentDirectory, sizeof(currentDirectory));
    TextureEntry* entry = g_pTextureList->Load(currentDirectory, name, red, green, blue, alphaKey);
    if (entry == nullptr) {
        ReportError("ERR: Texture can't load %s\n", name);
        return false;
    }
    texture = entry->texture;
    texture->AddRef();
    width = imageWidth = static_cast<int>(entry->imageWidth);
    height = imageHeight = static_cast<int>(entry->imageHeight);
    if (!g_pTextureList->cacheEnabled) {
        // The list does not keep the entry; the image's own reference keeps the texture alive.
        entry->texture->Release();
        delete entry;
    }
    keyRed = red;
    keyGreen = green;
    keyBlue = blue;
    keyAlpha = alphaKey;
    // Names longer than the fields are cut; the texture list has already found the file by its whole name.
    CopyText(directory, sizeof(directory), currentDirectory);
    CopyText(fileName, sizeof(fileName), name);
    return true;
}

void CSpriteBase::GetPivot(float& cx, float& cy) const {
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    switch (anchor) {
        case ANCHOR_LEFT:
            cx = 0.0f;
            cy = h / 2.0f;
            break;
        case ANCHOR_TOP:
            cx = w / 2.0f;
            cy = 0.0f;
            break;
        case ANCHOR_RIGHT:
            cx = w;
            cy = h / 2.0f;
            break;
        case ANCHOR_BOTTOM:
            cx = w / 2.0f;
            cy = h;
            break;
        case ANCHOR_TOP_LEFT:
            cx = 0.0f;
            cy = 0.0f;
            break;
        case ANCHOR_BOTTOM_LEFT:
            cx = 0.0f;
            cy = h;
            break;
        case ANCHOR_TOP_RIGHT:
            cx = w;
            cy = 0.0f;
            break;
        case ANCHOR_BOTTOM_RIGHT:
            cx = w;
            cy = h;
            break;
        default:
            cx = w / 2.0f;
            cy = h / 2.0f;
            break;
    }
}

void CSpriteBase::GetPivotOffset(float& ox, float& oy) const {
    float cx = 0.0f;
    float cy = 0.0f;
    GetPivot(cx, cy);
    ox = cx * scaleX;
    oy = cy * scaleY;
}

void CSpriteBase::SetPivotPosition(float px, float py) {
    float ox = 0.0f;
    float oy = 0.0f;
    GetPivotOffset(ox, oy);
    x = px - ox;
    y = py - oy;
}

void CSpriteBase::GetPivotPosition(float* px, float* py) const {
    float ox = 0.0f;
    float oy = 0.0f;
    GetPivotOffset(ox, oy);
    if (px != nullptr) {
        *px = x + ox;
    }
    if (py != nullptr) {
        *py = y + oy;
    }
}

void CSpriteBase::SetScale(float sx, float sy) {
    scaleX = sx;
    scaleY = sy;
}

void CSpriteBase::GetScaledSize(float& scaledWidth, float& scaledHeight) const {
    scaledWidth = static_cast<float>(width) * scaleX;
    scaledHeight = static_cast<float>(height) * scaleY;
}

std::uint32_t CSpriteBase::VertexColour() const {
    std::uint32_t a;
    if (alpha >= 1.0f) {
        a = 255;
    } else if (alpha <= 0.0f) {
        a = 0;
    } else {
        // Half up, summed in float: lround would round the few values whose sum rounds up in float the other
        // way.
        a = static_cast<std::uint32_t>(alpha * 255.0f + 0.5f);  // NOLINT(bugprone-incorrect-roundings)
    }
    return a << 24 | 0x00FFFFFFu;
}

}  // namespace Corvane
