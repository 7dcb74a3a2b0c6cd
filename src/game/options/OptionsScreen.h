#pragma once

#include "game/controls/BoundKeys.h"
#include "game/controls/KeyLabels.h"
#include "game/notes/NoticeArt.h"
#include "game/options/ControlsList.h"

namespace Yorun {

class CVolumeControl;

// The options, over whatever was showing (the title, the difficulty menu, a paused game), which waits as it
// was until the screen closes: the volume and the sound, the window or full screen, whole-number scaling,
// pausing when the window loses the focus, the hand the touch controls aim with, the language, and the
// controls. Up and Down choose, Left and
// Right (or Enter) change, and Backspace, the options key or the last row go back. Every change is kept
// at once.
class COptionsScreen {
public:
    enum Row { kVolume, kSound, kDisplay, kScaling, kFocus, kHands, kLanguage, kControls, kBack, kRows };

    bool IsOpen() const { return open; }
    void Open();
    void Close() { open = false; }
    void Update(CVolumeControl& settings, CBoundKeys& keys);
    void Draw(CNoticeArt& art, const CVolumeControl& settings, CKeyLabels& labels);

    int ChosenRow() const { return row; }
    bool ShowsControls() const { return controlsShown; }
    const CControlsList& Controls() const { return controls; }

private:
    void Change(CVolumeControl& settings, int step);

    bool open = false;
    int row = 0;
    bool controlsShown = false;
    CControlsList controls;
};

}  // namespace Yorun
