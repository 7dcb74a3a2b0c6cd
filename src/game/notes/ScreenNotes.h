#pragma once

#include <array>
#include <cstdint>
#include <string>

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
    // The title's links to the screens over it, in the order they are drawn.
    enum class TitleLink { None = -1, Help, Records, Options };

    // By touch the links name no keys: a tap on one opens its screen.
    void DrawTitle(CNoticeArt& art, CKeyLabels& labels, bool byTouch, bool difficultyMenu, bool bestsShown);
    // The link drawn at the point of the title, or None.
    TitleLink TitleLinkAt(CNoticeArt& art, CKeyLabels& labels, bool byTouch, int x, int y);
    void DrawArrowSpeed(CNoticeArt& art, CKeyLabels& labels, bool byTouch, int speed);
    void DrawTimeUp(CNoticeArt& art);
    void DrawScore(CNoticeArt& art, bool landed, bool newBest, const RoundStats& round);
    void DrawReplay(CNoticeArt& art);

private:
    struct Link {
        std::string text;
        float left = 0.0f;
        float right = 0.0f;
    };
    static std::array<Link, 3> TitleLinks(CNoticeArt& art, CKeyLabels& labels, bool byTouch);
};

}  // namespace Yorun
