#pragma once

#include "sprite/AnimTable.h"
#include "sprite/SpriteBase.h"

namespace Corvane {

// An image with animation tables that step its source rectangle over a grid of cells as time passes, and
// the digit strips the game prints numbers with.
class CSprite : public CSpriteBase {
public:
    CSprite();
    ~CSprite();

    bool Load(platform::Device* device, const char* fileName, float red, float green, float blue,
              float alpha);
    void Release();
    void ResetAnims();
    void SetAnimCapacity(int capacity);
    bool AddAnim(const AnimTable& table);
    bool AddAnims(const AnimTable* tables, int count);
    void SetAnim(int index, bool force);
    void Advance(float seconds);
    void ApplyCell();
    bool HasLooped() const { return loops > 0; }
    // The target must hold no texture: it takes one more reference of this image's.
    bool CopyTo(CSprite* target) const;
    // Loads one of the four digit strips (kinds 0 to 3); other kinds load nothing.
    bool LoadNumberFont(int kind);
    // Prints the value from (x, y): each digit one scaled digit width right of the last, the first one
    // already one width right of x. A minus sign takes a digit's place and draws nothing.
    void DrawNumber(int value, float atX, float atY, float scale);
    void DrawNumber(int value, float atX, float atY) { DrawNumber(value, atX, atY, 1.0f); }

    int animCapacity = 1;
    AnimTable* anims = nullptr;
    int animIndex = 0;
    int animCount = 0;
    int cellIndex = 0;
    float elapsed = 0.0f;
    float frameTime = 1.0f / 30.0f;
    int loops = 0;
};

}  // namespace Corvane
