#pragma once

#include "game/notes/TextFont.h"
#include "sprite/Sprite.h"

namespace Yorun {

// The pictures everything the game adds to its screens is drawn with: three text fonts and a dark veil.
class CNoticeArt {
public:
    // How far apart the fonts set their characters: the glyphs' own width in their cells.
    static constexpr int kSmallAdvance = 10;
    static constexpr int kLargeAdvance = 20;

    // Loads them all; false when a picture cannot be loaded (its loader has said which).
    bool Load();
    void Release();

    // Darkens the rectangle: the veil at the given opacity.
    void Veil(float left, float top, float right, float bottom, float opacity);

    CTextFont text;      // 14 × 24 cells, 10 apart, light
    CTextFont gold;      // the same, gold
    CTextFont headline;  // 28 × 48 cells, 20 apart, gold

private:
    Corvane::CSprite veil;
    bool veilLoaded = false;
};

}  // namespace Yorun
