#include "game/notes/ScreenNotes.h"

#include <string>

#include "game/Screen.h"

namespace Yorun {

namespace {

using Align = CTextFont::Align;

// The speeds in the arrows' order: each A steps one on, each S one back.
constexpr const char* kSpeedNames[3] = {"NORMAL", "SLOW", "FAST"};

float CentreX() {
    return static_cast<float>(ScreenWidth()) / 2.0f;
}

}  // namespace

void CScreenNotes::DrawTitle(CNoticeArt& art, CKeyLabels& labels, bool difficultyMenu, bool bestsShown) {
    // Under the menu's panel, between the small targets of the picture.
    art.text.Draw(labels.First(Action::Help) + " how to play    " + labels.First(Action::Records) +
                      " records    " + labels.First(Action::Options) + " options",
                  CentreX(), 566.0f, 1.0f, Align::Centre);
    if (difficultyMenu && bestsShown) {
        // Over the column of best scores right of the panel.
        art.gold.Draw("BEST", 492.0f, 274.0f);
    }
}

void CScreenNotes::DrawArrowSpeed(CNoticeArt& art, CKeyLabels& labels, int speed) {
    // In the dark band, between the arrow stock and the combo.
    constexpr float kLeft = 236.0f;
    art.gold.Draw("SPEED", kLeft, 526.0f);
    art.text.Draw(kSpeedNames[speed >= 0 && speed < 3 ? speed : 0], kLeft + 6 * CNoticeArt::kSmallAdvance,
                  526.0f);
    art.text.alpha = 0.7f;
    art.text.Draw(labels.First(Action::SpeedOn) + " / " + labels.First(Action::SpeedBack) + " to change",
                  kLeft, 552.0f);
    art.text.alpha = 1.0f;
}

void CScreenNotes::DrawTimeUp(CNoticeArt& art) {
    art.headline.Draw("TIME UP", CentreX(), 250.0f, 1.0f, Align::Centre);
}

void CScreenNotes::DrawScore(CNoticeArt& art, bool landed, bool newBest, const RoundStats& round) {
    // Over the caption, which stands from y 180: what its number is.
    art.text.Draw("the highest your score reached this round", 395.0f, 150.0f, 1.0f, Align::Centre);
    if (!landed) {
        return;
    }
    if (newBest) {
        art.headline.Draw("NEW BEST!", CentreX(), 84.0f, 1.0f, Align::Centre);
    }
    // Under the number, which ends at y 387.
    const std::string pairs[4][2] = {{"HITS ", std::to_string(round.hits)},
                                     {"   MISSES ", std::to_string(round.Misses())},
                                     {"   ACCURACY ", std::to_string(round.AccuracyPercent()) + "%"},
                                     {"   LONGEST COMBO ", std::to_string(round.longestCombo)}};
    float width = 0.0f;
    for (const auto& pair : pairs) {
        width += art.gold.Width(pair[0]) + art.text.Width(pair[1]);
    }
    float left = CentreX() - width / 2.0f;
    for (const auto& pair : pairs) {
        art.gold.Draw(pair[0], left, 430.0f);
        left += art.gold.Width(pair[0]);
        art.text.Draw(pair[1], left, 430.0f);
        left += art.text.Width(pair[1]);
    }
}

void CScreenNotes::DrawReplay(CNoticeArt& art) {
    // Top right, under where the volume shows, clear of the score and the time.
    art.headline.Draw("REPLAY", static_cast<float>(ScreenWidth()) - 14.0f, 52.0f, 1.0f, Align::Right);
}

}  // namespace Yorun
