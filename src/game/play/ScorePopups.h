#pragma once

#include "game/HitPopup.h"

namespace Yorun {

// The four popups that show points won and lost: two of each kind, taken in turn.
class CScorePopups {
public:
    CScorePopups() = default;

    CScorePopups(const CScorePopups&) = delete;
    CScorePopups& operator=(const CScorePopups&) = delete;

    bool Initialize();
    // Starts the next popup of the kind at the position; the turn passes whether or not it started.
    void Show(bool minus, float px, float py, int value);
    void HideAll();
    void Update();
    void Draw();
    void Release();

    CHitPopup plus0;
    CHitPopup plus1;
    CHitPopup minus0;
    CHitPopup minus1;
    int nextPlus = 0;
    int nextMinus = 0;
};

}  // namespace Yorun
