#pragma once

#include "game/controls/KeyLabels.h"
#include "game/notes/NoticeArt.h"
#include "sprite/Sprite.h"

namespace Yorun {

// The four colours' key caps with the label of the key each colour is bound to: the game's own cap where
// that is its letter (Z X C V), otherwise a cap without a letter and the label set over it.
class CKeyCaps {
public:
    static constexpr float kSide = 48.0f;

    bool Load();
    void Release();

    // Whether the colour's key is called otherwise than its cap's painted letter.
    static bool Relabelled(CKeyLabels& labels, int colour);
    // The cap with its top left corner at (left, top).
    void Draw(CNoticeArt& art, CKeyLabels& labels, int colour, float left, float top, float scale,
              float alpha = 1.0f);

private:
    Corvane::CSprite lettered[4];
    Corvane::CSprite blank[4];
    bool loaded = false;
};

}  // namespace Yorun
