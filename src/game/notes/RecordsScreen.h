#pragma once

#include "game/controls/KeyLabels.h"
#include "game/notes/NoticeArt.h"
#include "game/replay/Records.h"

namespace Yorun {

// The ten best games of each difficulty over the title: when each was played, its best score and its
// accuracy. Left and Right change the difficulty, Up and Down choose a game, Enter asks to watch it; R,
// F1 or Backspace go back to the title as it was. A tap or a click does each too: on a difficulty's name,
// on a game (and on the chosen one again to watch it), and on the line of hints to go back.
class CRecordsScreen {
public:
    bool IsOpen() const { return open; }
    // Opens on the given difficulty, its best game chosen.
    void Open(int difficulty);
    void Close() { open = false; }
    // Opens again as it was left: after watching one of its games.
    void Reopen() { open = true; }
    // The screen's keys. Returns the game the player asked to watch, or null.
    const CRecords::Entry* Update(const CRecords& records);
    // By touch the hints name what to tap, not which keys to press.
    void Draw(CNoticeArt& art, const CRecords& records, CKeyLabels& labels, bool byTouch);

private:
    // A tap or a click on the screen: true when it asks to watch the chosen game.
    bool Pointed(int count);

    bool open = false;
    int difficulty = 0;
    int cursor = 0;
};

}  // namespace Yorun
