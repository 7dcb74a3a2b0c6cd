#pragma once

#include <cstdint>

#include <glm/mat4x4.hpp>

namespace platform {
class Device;
class Texture;
}  // namespace platform

namespace Corvane {

// An image: a texture, the source rectangle cut out of it, and how it is placed and drawn. Drawing goes
// through the shared sprite batcher, each image in its own batch, so the order of draws is the order on
// screen.
class CSpriteBase {
public:
    CSpriteBase();
    // Not virtual: images are never deleted through a base pointer.
    ~CSpriteBase();

    CSpriteBase(const CSpriteBase&) = delete;
    CSpriteBase& operator=(const CSpriteBase&) = delete;

    // Every placement and drawing field back to its default; the texture, key and animations stay.
    virtual void Reset();
    // The world matrix maps the source rectangle, taken relative to the pivot, to the screen. It is kept
    // in glm's column-vector form: the scale × rotation × translation product of row vectors is T·R·S here.
    virtual void DrawTransformed(const glm::mat4& world);
    virtual void Draw();
    virtual void DrawRectTransformed(int left, int top, int right, int bottom, const glm::mat4& world);
    virtual void DrawRect(int left, int top, int right, int bottom);
    virtual glm::mat4 GetWorldMatrix() const;

    // The base load: releases what is held, resets, and takes the texture of the file from the texture list.
    bool LoadImage(const char* fileName, float red, float green, float blue, float alpha);
    void SetPivotPosition(float px, float py);
    void GetPivotPosition(float* px, float* py) const;
    void SetScale(float sx, float sy);
    void GetScaledSize(float& scaledWidth, float& scaledHeight) const;
    // The pivot in the unscaled source rectangle, and the same point scaled.
    void GetPivot(float& cx, float& cy) const;
    void GetPivotOffset(float& ox, float& oy) const;
    // The vertex colour: white with the image's opacity.
    std::uint32_t VertexColour() const;
    void ReleaseTexture();

    float x = 0.0f;
    float y = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float rotation = 0.0f;
    int width = 0;
    int height = 0;
    int srcLeft = 0;
    int srcTop = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    int flip = 0;
    float alpha = 1.0f;
    int blend = 1;
    bool visible = true;
    char fileName[256] = {};
    int anchor = 0;
    char directory[260] = {};
    float keyRed = 1.0f;
    float keyGreen = 0.0f;
    float keyBlue = 1.0f;
    float keyAlpha = 1.0f;
    platform::Device* device = nullptr;
    platform::Texture* texture = nullptr;
};

}  // namespace Corvane
