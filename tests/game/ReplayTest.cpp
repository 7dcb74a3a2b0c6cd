// Scripted games compared with the results recorded in tests/game/golden: any change that alters how the
// game plays shows here. Each game must start from a fresh process (the generator is never reset), as
// ctest runs it. After a deliberate change of the game's rules, record the files again, one process each:
//     for t in AnEasy ANormal AHard; do
//         YORUN_RECORD_REPLAYS=1 build/tests/game_tests --gtest_filter="Replay.$t*"; done
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "game/GameState.h"
#include "support/GameDriver.h"
#include "support/ReplayScript.h"

using testing_support::GameDriver;
using testing_support::PlayScriptedGame;
using testing_support::ReplayResult;

namespace {

std::string GoldenPath(const char* name) {
    return std::string(YORUN_GOLDEN_DIR) + "/" + name + ".txt";
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void CheckAgainstGolden(int difficulty, const char* name) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    // Drawing changes nothing of the play; drawing once a second keeps the run short.
    const ReplayResult first = PlayScriptedGame(driver, difficulty, false);
    EXPECT_GT(first.shots, 100);
    EXPECT_GT(first.hits, 0);
    EXPECT_GT(first.misses, 0);
    EXPECT_GE(first.targetChecksums.size(), 91u);

    const std::string path = GoldenPath(name);
    if (std::getenv("YORUN_RECORD_REPLAYS") != nullptr) {
        std::ofstream(path) << first.ToText();
    }
    EXPECT_EQ(first.ToText(), ReadFile(path)) << "recorded in " << path;

    // The generator goes on where the first game left it: the same keys meet other targets.
    const ReplayResult second = PlayScriptedGame(driver, difficulty, false);
    EXPECT_NE(second.targetChecksums, first.targetChecksums);
}

}  // namespace

TEST(Replay, AnEasyGamePlaysAsRecorded) {
    CheckAgainstGolden(Yorun::DIFFICULTY_EASY, "replay_easy");
}

TEST(Replay, ANormalGamePlaysAsRecorded) {
    CheckAgainstGolden(Yorun::DIFFICULTY_NORMAL, "replay_normal");
}

TEST(Replay, AHardGamePlaysAsRecorded) {
    CheckAgainstGolden(Yorun::DIFFICULTY_HARD, "replay_hard");
}
