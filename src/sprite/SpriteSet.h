#pragma once

#include "sprite/Rectangle.h"
#include "sprite/Sprite.h"
#include "sprite/SpriteDesc.h"

namespace Corvane {

// Several images standing for one thing on screen, shown one at a time. The set's shared drawing state is
// copied into the current image before every operation, so switching images keeps the thing in place.
class CSpriteSet {
public:
    CSpriteSet();
    ~CSpriteSet();

    CSpriteSet(const CSpriteSet&) = delete;
    CSpriteSet& operator=(const CSpriteSet&) = delete;

    // Creates an image from each record in turn; stops at the first that fails, keeping the ones before.
    bool Add(platform::Device* device, const SpriteDesc* descs, int count);
    void Select(int index, bool force);
    void Sync();
    void Draw();
    void AdvanceAndDraw(float seconds);
    void SetPivotPosition(float px, float py);
    void GetPivotPosition(float* px, float* py);
    float GetWidth();
    float GetHeight();
    CRectangle GetBounds();
    void Clear();
    void SetCapacity(int newCapacity);
    bool CopyTo(CSpriteSet* target);

    CSprite& Current() { return items[current]; }

    int capacity = 1;
    CSprite* items = nullptr;
    int current = 0;
    int count = 0;
    float frameTime = 1.0f / 30.0f;
    float keyRed = 1.0f;
    float keyGreen = 0.0f;
    float keyBlue = 1.0f;
    float keyAlpha = 1.0f;
    float x = 0.0f;
    float y = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float rotation = 0.0f;
    int flip = 0;
    float alpha = 1.0f;
    bool visible = true;
    int blend = 1;
    int anchor = 0;

private:
    bool AddOne(platform::Device* device, const SpriteDesc& desc);
    void ResetSharedFields();
};

}  // namespace Corvane
