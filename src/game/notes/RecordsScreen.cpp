#include "game/notes/RecordsScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "game/Keys.h"
#include "game/Screen.h"
#include "platform/input/KeyCodes.h"

namespace Yorun {

namespace {

using Align = CTextFont::Align;

constexpr const char* kDifficultyNames[3] = {"EASY", "NORMAL", "HARD"};
constexpr float kRowTop = 142.0f;
constexpr float kRowHeight = 36.0f;
// The columns: rank, date, best score (right-aligned), accuracy (right-aligned).
constexpr float kRankRight = 110.0f;
constexpr float kDateLeft = 150.0f;
constexpr float kScoreRight = 530.0f;
constexpr float kAccuracyRight = 690.0f;
constexpr float kDifficultyTop = 68.0f;
constexpr float kDifficultySpacing = 190.0f;
constexpr float kRowsLeft = 60.0f;
constexpr float kHintsFromBottom = 40.0f;

// The player's own clock: when the game was played, to the minute.
std::string LocalDate(std::int64_t secondsSince1970) {
    const std::time_t when = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) {
        return "?";
    }
    char text[32] = {};
    std::strftime(text, sizeof(text), "%Y-%m-%d %H:%M", &local);
    return text;
}

}  // namespace

void CRecordsScreen::Open(int firstDifficulty) {
    open = true;
    difficulty = firstDifficulty >= 0 && firstDifficulty < 3 ? firstDifficulty : 0;
    cursor = 0;
}

const CRecords::Entry* CRecordsScreen::Update(const CRecords& records) {
    if (KeyNewlyPressed(platform::DIK_R) || KeyNewlyPressed(platform::DIK_F1) ||
        KeyNewlyPressed(platform::DIK_BACK)) {
        open = false;
        return nullptr;
    }
    if (KeyTriggered(platform::DIK_LEFT) || KeyTriggered(platform::DIK_RIGHT)) {
        difficulty = (difficulty + (KeyTriggered(platform::DIK_LEFT) ? 2 : 1)) % 3;
        cursor = 0;
    }
    const int count = static_cast<int>(records.TopTen(difficulty).size());
    if (count > 0) {
        if (KeyTriggered(platform::DIK_UP)) {
            cursor = (cursor + count - 1) % count;
        } else if (KeyTriggered(platform::DIK_DOWN)) {
            cursor = (cursor + 1) % count;
        }
    }
    cursor = count > 0 ? std::min(cursor, count - 1) : 0;
    const bool watch = Pointed(count);
    if (!open) {
        return nullptr;
    }
    if (count > 0 && (KeyNewlyPressed(platform::DIK_RETURN) || watch)) {
        return &records.TopTen(difficulty)[static_cast<std::size_t>(cursor)];
    }
    return nullptr;
}

bool CRecordsScreen::Pointed(int count) {
    int x = 0;
    int y = 0;
    if (!PointerClicked() || !PointerAt(x, y)) {
        return false;
    }
    const float width = static_cast<float>(ScreenWidth());
    const float pointX = static_cast<float>(x);
    const float pointY = static_cast<float>(y);
    if (pointY >= static_cast<float>(ScreenHeight()) - kHintsFromBottom - 16.0f) {
        open = false;
        return false;
    }
    if (pointY >= kDifficultyTop - 16.0f && pointY < kDifficultyTop + 40.0f) {
        // The names stand centred a spacing apart: each takes half the way to the next.
        const float fromMiddle = (pointX - width / 2.0f) / kDifficultySpacing;
        const int shown = static_cast<int>(std::lround(fromMiddle)) + 1;
        if (shown >= 0 && shown < 3 && shown != difficulty) {
            difficulty = shown;
            cursor = 0;
        }
        return false;
    }
    const float fromFirstRow = (pointY - (kRowTop - 6.0f)) / kRowHeight;
    if (fromFirstRow < 0.0f || pointX < kRowsLeft || pointX >= width - kRowsLeft) {
        return false;
    }
    const int row = static_cast<int>(fromFirstRow);
    if (row >= count) {
        return false;
    }
    if (row == cursor) {
        return true;
    }
    cursor = row;
    return false;
}

void CRecordsScreen::Draw(CNoticeArt& art, const CRecords& records, CKeyLabels& labels, bool byTouch) {
    const float width = static_cast<float>(ScreenWidth());
    const float height = static_cast<float>(ScreenHeight());
    art.Veil(0.0f, 0.0f, width, height, 0.92f);
    art.headline.Draw("RECORDS", width / 2.0f, 10.0f, 1.0f, Align::Centre);
    // The difficulties side by side, the one shown in gold between arrows.
    for (int shown = 0; shown < 3; ++shown) {
        const float centre = width / 2.0f + static_cast<float>(shown - 1) * kDifficultySpacing;
        if (shown == difficulty) {
            art.gold.Draw(std::string("< ") + kDifficultyNames[shown] + " >", centre, kDifficultyTop, 1.0f,
                          Align::Centre);
        } else {
            art.text.alpha = 0.6f;
            art.text.Draw(kDifficultyNames[shown], centre, kDifficultyTop, 1.0f, Align::Centre);
            art.text.alpha = 1.0f;
        }
    }
    art.gold.Draw("#", kRankRight, 108.0f, 1.0f, Align::Right);
    art.gold.Draw("PLAYED", kDateLeft, 108.0f);
    art.gold.Draw("SCORE", kScoreRight, 108.0f, 1.0f, Align::Right);
    art.gold.Draw("ACCURACY", kAccuracyRight, 108.0f, 1.0f, Align::Right);

    const std::vector<CRecords::Entry>& games = records.TopTen(difficulty);
    if (!records.IsOpen()) {
        art.text.Draw("Records are not kept in this run (--no-save).", width / 2.0f, 260.0f, 1.0f,
                      Align::Centre);
    } else if (games.empty()) {
        art.text.Draw(std::string("No games kept on ") + kDifficultyNames[difficulty] + " yet.", width / 2.0f,
                      260.0f, 1.0f, Align::Centre);
    }
    for (std::size_t rank = 0; rank < games.size(); ++rank) {
        const CRecords::Entry& game = games[rank];
        const float top = kRowTop + static_cast<float>(rank) * kRowHeight;
        if (static_cast<int>(rank) == cursor) {
            art.Veil(kRowsLeft, top - 6.0f, width - kRowsLeft, top + kRowHeight - 6.0f, 0.9f);
            art.gold.Draw(">", 64.0f, top);
        }
        CTextFont& font = static_cast<int>(rank) == cursor ? art.gold : art.text;
        font.Draw(std::to_string(rank + 1), kRankRight, top, 1.0f, Align::Right);
        font.Draw(LocalDate(game.recordedAt), kDateLeft, top);
        font.Draw(std::to_string(game.maxScore), kScoreRight, top, 1.0f, Align::Right);
        font.Draw(game.hasStats ? std::to_string(game.stats.AccuracyPercent()) + "%" : "-", kAccuracyRight,
                  top, 1.0f, Align::Right);
    }
    std::string hints;
    if (byTouch) {
        hints = games.empty() ? "tap a difficulty    tap here to go back"
                              : "tap a game, again to watch    tap here to go back";
    } else {
        const std::string across = labels.First(Action::AimLeft) + "/" + labels.First(Action::AimRight);
        const std::string back = labels.First(Action::Records) + " back";
        hints = games.empty() ? across + " difficulty    " + back
                              : labels.First(Action::AimUp) + "/" + labels.First(Action::AimDown) +
                                    " choose   Enter watch   " + across + "   " + back;
    }
    art.text.Draw(hints, width / 2.0f, height - kHintsFromBottom, 1.0f, Align::Centre);
}

}  // namespace Yorun
