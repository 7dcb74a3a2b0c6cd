#pragma once

#include "game/controls/KeyLabels.h"
#include "game/notes/KeyCaps.h"
#include "game/notes/NoticeArt.h"
#include "sprite/Sprite.h"

namespace Yorun {

class CVolumeControl;

// How to play, on one card over the title: the keys and the pad's buttons, the colour rule and the depth
// rule drawn with the game's own key caps, targets and arrows, and the one setting of play. The help key (F1)
// opens it from the title's menus and closes it again (so do Enter and Backspace); while it is up the title
// underneath waits exactly as it was. O switches pausing when the window loses the focus.
class CHelpCard {
public:
    bool Initialize();
    void Release();

    bool IsOpen() const { return open; }
    void Open() { open = true; }
    void Close() { open = false; }
    // The card's keys, while it is open: closing, and the setting.
    void Update(CVolumeControl& settings);
    // The keys as they are bound, by their labels in the layout in force; by touch, the touch controls.
    void Draw(CNoticeArt& art, bool pauseOnFocusLoss, CKeyLabels& labels, bool byTouch);

private:
    void DrawKeys(CNoticeArt& art, CKeyLabels& labels, bool byTouch);
    void DrawColourRule(CNoticeArt& art, float left, float top, CKeyLabels& labels, bool byTouch);
    void DrawDepthRule(CNoticeArt& art, float left, float top);

    bool open = false;
    CKeyCaps caps;
    Corvane::CSprite targets[4];
    Corvane::CSprite arrows[4];
    bool loaded = false;
};

}  // namespace Yorun
