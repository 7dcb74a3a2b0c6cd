#pragma once

#include "game/controls/KeyLabels.h"
#include "game/notes/NoticeArt.h"

namespace Yorun {

// Pausing a game in play: P, the Pause key or a pad's Start stop everything under a darkened "PAUSED" and
// the same keys go on from there. While paused no update runs, no frame is recorded and every sound holds
// where it was; the frames go on being drawn, so the first update after it sees one frame's time. With the
// setting on, the window losing the focus pauses too; so does, always, the system holding the whole program
// (a hidden browser page), whose time the clocks leave out.
class CPauseControl {
public:
    // Whether this frame's update is to be passed over. Called once a frame, before anything else reads
    // the keys; playing says whether a game (or a replay of one) is in play, focused whether the window
    // has the focus, held whether the system held the program since the last update.
    bool Update(bool playing, bool focused, bool pauseOnFocusLoss, bool held = false);
    bool IsPaused() const { return paused; }
    // Lets go at once (a game ended or was left some other way): the sound carries on.
    void Release();
    void Draw(CNoticeArt& art, CKeyLabels& labels);

private:
    void Set(bool on);

    bool paused = false;
};

}  // namespace Yorun
