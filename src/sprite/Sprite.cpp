#include "sprite/Sprite.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "app/Application.h"
#include "app/Graphics.h"
#include "platform/video/Texture.h"
#include "sprite/SpriteTypes.h"

namespace Corvane {

namespace {

constexpr float kDefaultFrameTime = 1.0f / 30.0f;

struct NumberFont {
    const char* fileName;
    int cellWidth;
    int cellHeight;
};

constexpr NumberFont kNumberFonts[] = {
    {"PlusFigure.bmp", 20, 32},
    {"MinusFigure.bmp", 20, 32},
    {"ScoreFigure.bmp", 20, 32},
    {"TimeFigure.bmp", 30, 50},
};

}  // namespace

CSprite::CSprite() {
    anims = new AnimTable[1]();
    animCapacity = 1;
    ResetAnims();
    loops = 0;
}

CSprite::~CSprite() {
    delete[] anims;
}

bool CSprite::Load(platform::Device* targetDevice, const char* name, float red, float green, float blue,
                   float alphaKey) {
    ResetAnims();
    device = targetDevice;
    return LoadImage(name, red, green, blue, alphaKey);
}

void CSprite::Release() {
    ReleaseTexture();
    Reset();
    ResetAnims();
}

void CSprite::ResetAnims() {
    frameTime = kDefaultFrameTime;
    animIndex = 0;
    animCount = 0;
    cellIndex = 0;
    elapsed = 0.0f;
    for (int index = 0; index < animCapacity; ++index) {
        anims[index] = AnimTable{};
    }
}

void CSprite::SetAnimCapacity(int capacity) {
    if (capacity <= 0) {
        return;
    }
    delete[] anims;
    anims = new AnimTable[static_cast<std::size_t>(capacity)]();
    animCapacity = capacity;
    ResetAnims();
}

bool CSprite::AddAnim(const AnimTable& table) {
    if (animCount >= animCapacity) {
        auto* grown = new (std::nothrow) AnimTable[static_cast<std::size_t>(animCapacity) + 5]();
        if (grown == nullptr) {
            return false;
        }
        for (int index = 0; index < animCapacity; ++index) {
            grown[index] = anims[index];
        }
        delete[] anims;
        anims = grown;
        animCapacity += 5;
    }
    anims[animCount] = table;
    ++animCount;
    ApplyCell();
    return true;
}

bool CSprite::AddAnims(const AnimTable* tables, int count) {
    for (int index = 0; index < count; ++index) {
        if (!AddAnim(tables[index])) {
            return false;
        }
    }
    return true;
}

void CSprite::SetAnim(int index, bool force) {
    if (index >= 0 && index < animCount && (force || index != animIndex)) {
        animIndex = index;
        elapsed = 0.0f;
        cellIndex = 0;
        loops = 0;
    }
    ApplyCell();
}

void CSprite::ApplyCell() {
    if (animCount <= 0) {
        return;
    }
    const AnimTable& table = anims[animIndex];
    const AnimCell& cell = table.cells[cellIndex];
    width = table.cellWidth;
    height = table.cellHeight;
    srcLeft = table.originX + cell.column * table.cellWidth;
    srcTop = table.originY + cell.row * table.cellHeight;
}

void CSprite::Advance(float seconds) {
    elapsed += seconds;
    const AnimTable& table = anims[animIndex];
    float sum = 0.0f;
    bool stopped = false;
    for (int index = 0; index < AnimTable::kCellCount && !stopped; ++index) {
        const AnimCell& cell = table.cells[index];
        if (cell.column == ANIM_LOOP) {
            ++loops;
            cellIndex = 0;
            elapsed = 0.0f;  // the overshoot is dropped
            stopped = true;
        } else if (cell.column == ANIM_HOLD) {
            // A table that holds at its first cell has no cell to show: it stays on cell 0.
            cellIndex = index > 0 ? index - 1 : 0;
            if (loops == 0) {
                loops = 1;
            }
            stopped = true;
        } else {
            sum += frameTime * static_cast<float>(cell.duration);
            if (elapsed <= sum) {
                cellIndex = index;
                stopped = true;
            }
        }
    }
    if (!stopped) {
        ++loops;
        elapsed = 0.0f;
        cellIndex = 0;
    }
    ApplyCell();
}

bool CSprite::CopyTo(CSprite* target) const {
    if (target == nullptr) {
        return false;
    }
    if (target == this) {
        return true;
    }
    target->device = device;
    target->texture = texture;
    if (texture != nullptr) {
        texture->AddRef();
    }
    if (target->animCapacity != animCapacity) {
        delete[] target->anims;
        target->anims = new AnimTable[static_cast<std::size_t>(animCapacity)]();
        target->animCapacity = animCapacity;
    }
    for (int index = 0; index < animCapacity; ++index) {
        target->anims[index] = anims[index];
    }
    target->x = x;
    target->y = y;
    target->scaleX = scaleX;
    target->scaleY = scaleY;
    target->rotation = rotation;
    target->width = width;
    target->height = height;
    target->srcLeft = srcLeft;
    target->srcTop = srcTop;
    target->imageWidth = imageWidth;
    target->imageHeight = imageHeight;
    target->flip = flip;
    target->alpha = alpha;
    target->blend = blend;
    target->visible = visible;
    std::memcpy(target->fileName, fileName, sizeof(fileName));
    target->anchor = anchor;
    std::memcpy(target->directory, directory, sizeof(directory));
    target->keyRed = keyRed;
    target->keyGreen = keyGreen;
    target->keyBlue = keyBlue;
    target->keyAlpha = keyAlpha;
    target->animIndex = animIndex;
    target->animCount = animCount;
    target->cellIndex = cellIndex;
    target->elapsed = elapsed;
    target->frameTime = frameTime;
    target->loops = loops;
    return true;
}

bool CSprite::LoadNumberFont(int kind) {
    if (g_pApplication != nullptr) {
        g_pApplication->SetWorkDirectory("mato_bmp");
    }
    if (kind < 0 || kind > 3) {
        return true;
    }
    const NumberFont& font = kNumberFonts[kind];
    if (!Load(g_pDevice, font.fileName, 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    AnimTable tables[10];
    for (int digit = 0; digit < 10; ++digit) {
        tables[digit].cellWidth = font.cellWidth;
        tables[digit].cellHeight = font.cellHeight;
        tables[digit].originX = digit * font.cellWidth;
        tables[digit].originY = 0;
        tables[digit].cells[0] = AnimCell{5, 0, 0};
        tables[digit].cells[1] = AnimCell{0, ANIM_HOLD, 0};
    }
    AddAnims(tables, 10);
    blend = BLEND_ALPHA;
    return true;
}

void CSprite::DrawNumber(int value, float atX, float atY, float scale) {
    x = atX;
    y = atY;
    scaleX = scale;
    scaleY = scale;
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    for (const char* character = text; *character != '\0'; ++character) {
        const bool digit = *character >= '0' && *character <= '9';
        if (digit) {
            SetAnim(*character - '0', false);
        }
        x += static_cast<float>(width) * scaleX;
        if (digit) {
            Draw();
        }
    }
}

}  // namespace Corvane
