#include "game/play/ScorePopups.h"

namespace Yorun {

bool CScorePopups::Initialize() {
    return plus0.Init(0) && minus0.Init(1) && plus1.Init(0) && minus1.Init(1);
}

void CScorePopups::Show(bool minus, float px, float py, int value) {
    if (minus) {
        (nextMinus == 0 ? minus0 : minus1).Start(px, py, value, true);
        nextMinus = 1 - nextMinus;
    } else {
        (nextPlus == 0 ? plus0 : plus1).Start(px, py, value, true);
        nextPlus = 1 - nextPlus;
    }
}

void CScorePopups::HideAll() {
    plus0.Hide();
    plus1.Hide();
    minus0.Hide();
    minus1.Hide();
}

void CScorePopups::Update() {
    plus0.Update();
    minus0.Update();
    plus1.Update();
    minus1.Update();
}

void CScorePopups::Draw() {
    plus0.Draw();
    minus0.Draw();
    plus1.Draw();
    minus1.Draw();
}

void CScorePopups::Release() {
    plus0.Release();
    plus1.Release();
    minus0.Release();
    minus1.Release();
}

}  // namespace Yorun
