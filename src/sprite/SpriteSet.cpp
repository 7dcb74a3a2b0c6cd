#include "sprite/SpriteSet.h"

#include <new>

#include "sprite/SpriteTypes.h"

namespace Corvane {

namespace {
constexpr float kDefaultFrameTime = 1.0f / 30.0f;

// An image slot emptied: texture released, placement and animations back to their defaults.
void ReleaseImage(CSprite& image) {
    image.Release();
    image.loops = 0;
}
}  // namespace

CSpriteSet::CSpriteSet() {
    items = new CSprite[1];
}

CSpriteSet::~CSpriteSet() {
    Clear();
    delete[] items;
}

void CSpriteSet::ResetSharedFields() {
    current = 0;
    count = 0;
    frameTime = kDefaultFrameTime;
    keyRed = 1.0f;
    keyGreen = 0.0f;
    keyBlue = 1.0f;
    keyAlpha = 1.0f;
    x = 0.0f;
    y = 0.0f;
    scaleX = 1.0f;
    scaleY = 1.0f;
    rotation = 0.0f;
    flip = 0;
    alpha = 1.0f;
    visible = true;
    blend = BLEND_ALPHA;
    anchor = ANCHOR_CENTER;
}

bool CSpriteSet::Add(platform::Device* device, const SpriteDesc* descs, int descCount) {
    for (int index = 0; index < descCount; ++index) {
        if (!AddOne(device, descs[index])) {
            return false;
        }
    }
    return true;
}

bool CSpriteSet::AddOne(platform::Device* device, const SpriteDesc& desc) {
    if (count >= capacity) {
        auto* grown = new (std::nothrow) CSprite[static_cast<std::size_t>(capacity) + 5];
        if (grown == nullptr) {
            return false;
        }
        for (int index = 0; index < capacity; ++index) {
            items[index].CopyTo(&grown[index]);
            ReleaseImage(items[index]);
        }
        delete[] items;
        items = grown;
        capacity += 5;
    }
    CSprite& image = items[count];
    image.ResetAnims();
    image.device = device;
    if (!image.LoadImage(desc.fileName, keyRed, keyGreen, keyBlue, keyAlpha)) {
        return false;
    }
    image.AddAnim(desc.anim);
    image.frameTime = frameTime;
    ++count;
    return true;
}

void CSpriteSet::Select(int index, bool force) {
    if (index < 0 || index >= count || (index == current && !force)) {
        return;
    }
    current = index;
    CSprite& image = items[current];
    if (image.animCount > 0) {
        image.animIndex = 0;
        image.elapsed = 0.0f;
        image.cellIndex = 0;
        image.loops = 0;
    }
    image.ApplyCell();
}

void CSpriteSet::Sync() {
    CSprite& image = items[current];
    image.x = x;
    image.y = y;
    image.scaleX = scaleX;
    image.scaleY = scaleY;
    image.rotation = rotation;
    image.flip = flip;
    image.alpha = alpha;
    image.visible = visible;
    image.blend = blend;
    image.anchor = anchor;
}

void CSpriteSet::Draw() {
    Sync();
    items[current].Draw();
}

void CSpriteSet::AdvanceAndDraw(float seconds) {
    Sync();
    items[current].Advance(seconds);
    items[current].Draw();
}

void CSpriteSet::SetPivotPosition(float px, float py) {
    Sync();
    items[current].SetPivotPosition(px, py);
    x = items[current].x;
    y = items[current].y;
}

void CSpriteSet::GetPivotPosition(float* px, float* py) {
    Sync();
    items[current].GetPivotPosition(px, py);
}

float CSpriteSet::GetWidth() {
    Sync();
    return static_cast<float>(items[current].width) * items[current].scaleX;
}

float CSpriteSet::GetHeight() {
    Sync();
    return static_cast<float>(items[current].height) * items[current].scaleY;
}

CRectangle CSpriteSet::GetBounds() {
    Sync();
    const CSprite& image = items[current];
    CRectangle bounds;
    bounds.left = static_cast<std::int32_t>(image.x);
    bounds.top = static_cast<std::int32_t>(image.y);
    bounds.right = static_cast<std::int32_t>(static_cast<float>(image.width) * image.scaleX + image.x);
    bounds.bottom = static_cast<std::int32_t>(static_cast<float>(image.height) * image.scaleY + image.y);
    return bounds;
}

void CSpriteSet::Clear() {
    for (int index = 0; index < capacity; ++index) {
        ReleaseImage(items[index]);
    }
    ResetSharedFields();
}

void CSpriteSet::SetCapacity(int newCapacity) {
    if (newCapacity <= 0) {
        return;
    }
    Clear();
    delete[] items;
    items = new CSprite[static_cast<std::size_t>(newCapacity)];
    capacity = newCapacity;
    ResetSharedFields();
}

bool CSpriteSet::CopyTo(CSpriteSet* target) {
    if (target == this) {
        return true;
    }
    if (target == nullptr) {
        return false;
    }
    target->Clear();
    if (target->capacity != capacity) {
        delete[] target->items;
        target->items = new CSprite[static_cast<std::size_t>(capacity)];
        target->capacity = capacity;
    }
    target->current = current;
    target->count = count;
    target->frameTime = frameTime;
    target->keyRed = keyRed;
    target->keyGreen = keyGreen;
    target->keyBlue = keyBlue;
    target->keyAlpha = keyAlpha;
    target->x = x;
    target->y = y;
    target->scaleX = scaleX;
    target->scaleY = scaleY;
    target->rotation = rotation;
    target->flip = flip;
    target->alpha = alpha;
    target->visible = visible;
    target->blend = blend;
    target->anchor = anchor;
    for (int index = 0; index < capacity; ++index) {
        items[index].CopyTo(&target->items[index]);
    }
    return true;
}

}  // namespace Corvane
