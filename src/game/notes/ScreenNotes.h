#pragma once

#include <cstdint>

#include "game/RoundStats.h"
#include "game/controls/KeyLabels.h"
#include "game/notes/NoticeArt.h"

namespace Yorun {

// What the game writes on the screens it already has, in places nothing else is drawn: the keys for help
// and records under the title's menu and a label over the best scores; the arrow speed in the play band;
// "TIME UP" while the field darkens; on the score screen what its number is, "NEW BEST" when the round beat
// the difficulty's record, and the round's statistics once the number has landed; "REPLAY" while one plays.
class CScreenNotes {
public:
    void DrawTitle(CNoticeArt& art, CKeyLabels& labels, bool difficultyMenu, bool bestsShown);
    void DrawArrowSpeed(CNoticeArt& art, CKeyLabels& labels, int speed);
    void DrawTimeUp(CNoticeArt& art);
    void DrawScore(CNoticeArt& art, bool landed, bool newBest, const RoundStats& round);
    void DrawReplay(CNoticeArt& art);
};

}  // namespace Yorun
