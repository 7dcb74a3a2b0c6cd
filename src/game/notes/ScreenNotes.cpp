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

// Under the menu's panel, between the small targets of the picture.
constexpr float kTitleLinksTop = 566.0f;
constexpr const char* kTitleLinkGap = "    ";

std::array<CScreenNotes::Link, 3> CScreenNotes::TitleLinks(CNoticeArt& art, CKeyLabels& labels,
                                                           bool byTouch) {
    const auto named = [&labels, byTouch](Action action, const char* what) {
        return byTouch ? std::string(what) : labels.First(action) + " " + what;
    };
    std::array<Link, 3> links = {Link{named(Action::Help, "how to play")},
                                 Link{named(Action::Records, "records")},
                                 Link{named(Action::Options, "options")}};
    const float gap = art.text.Width(kTitleLinkGap);
    float width = 2.0f * gap;
    for (const Link& link : links) {
        width += art.text.Width(link.text);
    }
    float left = CentreX() - width / 2.0f;
    for (Link& link : links) {
        link.left = left;
        link.right = left + art.text.Width(link.text);
        left = link.right + gap;
    }
    return links;
}

void CScreenNotes::DrawTitle(CNoticeArt& art, CKeyLabels& labels, bool byTouch, bool difficultyMenu,
                             bool bestsShown) {
    for (const Link& link : TitleLinks(art, labels, byTouch)) {
        art.text.Draw(link.text, link.left, kTitleLinksTop);
    }
    if (difficultyMenu && bestsShown) {
        // Over the column of best scores right of the panel.
        art.gold.Draw("BEST", 492.0f, 274.0f);
    }
}

CScreenNotes::TitleLink CScreenNotes::TitleLinkAt(CNoticeArt& art, CKeyLabels& labels, bool byTouch, int x,
                                                  int y) {
    // A finger is broader than the line: the links take a band around it, and half of each gap.
    const float pointX = static_cast<float>(x);
    const float pointY = static_cast<float>(y);
    if (pointY < kTitleLinksTop - 12.0f || pointY > kTitleLinksTop + art.text.Height() + 12.0f) {
        return TitleLink::None;
    }
    const std::array<Link, 3> links = TitleLinks(art, labels, byTouch);
    const float reach = art.text.Width(kTitleLinkGap) / 2.0f;
    for (std::size_t index = 0; index < links.size(); ++index) {
        if (pointX >= links[index].left - reach && pointX < links[index].right + reach) {
            return static_cast<TitleLink>(index);
        }
    }
    return TitleLink::None;
}

void CScreenNotes::DrawArrowSpeed(CNoticeArt& art, CKeyLabels& labels, bool byTouch, int speed) {
    // In the dark band, between the arrow stock and the combo.
    constexpr float kLeft = 236.0f;
    art.gold.Draw("SPEED", kLeft, 526.0f);
    art.text.Draw(kSpeedNames[speed >= 0 && speed < 3 ? speed : 0], kLeft + 6 * CNoticeArt::kSmallAdvance,
                  526.0f);
    art.text.alpha = 0.7f;
    art.text.Draw(
        byTouch ? std::string("Speed buttons to change")
                : labels.First(Action::SpeedOn) + " / " + labels.First(Action::SpeedBack) + " to change",
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
