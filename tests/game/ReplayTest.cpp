// Recorded games played back and compared with the results recorded with them in tests/game/golden: any
// change that alters how the game plays shows here. The recordings are replay files like the player's own,
// played by the same player, each in a fresh process as ctest runs it. After a deliberate change of the
// game's rules, record them again, one process each (the scripted player of PlayScriptedGame plays them):
//     for t in AnEasy ANormal AHard; do
//         YORUN_RECORD_REPLAYS=1 build/tests/game_tests --gtest_filter="Replay.$t*"; done
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/play/XorShift128.h"
#include "game/replay/Replay.h"
#include "support/GameDriver.h"
#include "support/ReplayScript.h"

using testing_support::GameDriver;
using testing_support::PlayRecordedGame;
using testing_support::PlayScriptedGame;
using testing_support::ReplayResult;
using Yorun::Replay;

namespace {

std::string GoldenPath(const char* name, const char* extension) {
    return std::string(YORUN_GOLDEN_DIR) + "/" + name + extension;
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// One of the golden replays, read as the game reads a file.
bool ReadGolden(const char* name, Replay& replay) {
    const std::vector<std::uint8_t> bytes = ReadBytes(GoldenPath(name, ".yrp"));
    std::string error;
    const bool read = Yorun::DecodeReplay(bytes.data(), bytes.size(), replay, error);
    EXPECT_TRUE(read) << name << ": " << error;
    return read;
}

void CheckAgainstGolden(int difficulty, const char* name) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    const std::string results = GoldenPath(name, ".txt");
    const std::string recording = GoldenPath(name, ".yrp");
    if (std::getenv("YORUN_RECORD_REPLAYS") != nullptr) {
        // Drawing changes nothing of the play; drawing once a second keeps the run short.
        const ReplayResult scripted = PlayScriptedGame(driver, difficulty, false);
        ASSERT_TRUE(driver.Game().recorder.HasFinished());
        const Replay recorded = driver.Game().recorder.Finished();
        // What is recorded must play back as it was played, before it is kept as the measure.
        ASSERT_EQ(PlayRecordedGame(driver, recorded, false).ToText(), scripted.ToText());
        const std::vector<std::uint8_t> bytes = Yorun::EncodeReplay(recorded);
        std::ofstream(recording, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(results) << scripted.ToText();
        GTEST_SKIP() << "recorded " << recording << " and " << results << "; run again to check against them";
    }

    const std::vector<std::uint8_t> bytes = ReadBytes(recording);
    Replay replay;
    std::string error;
    ASSERT_TRUE(Yorun::DecodeReplay(bytes.data(), bytes.size(), replay, error)) << recording << ": " << error;
    EXPECT_EQ(replay.difficulty, difficulty);
    const Yorun::XorShift128 live = Yorun::GameRandom();

    const ReplayResult played = PlayRecordedGame(driver, replay, false);
    EXPECT_GT(played.shots, 100);
    EXPECT_GT(played.hits, 0);
    EXPECT_GT(played.misses, 0);
    EXPECT_GE(played.targetChecksums.size(), 91u);
    EXPECT_EQ(played.ToText(), ReadText(results)) << "recorded in " << results;
    EXPECT_EQ(played.maxScore, replay.maxScore);
    // The digest the game prints when a replay ends, which the browser's build must print too, folds the
    // same checksums.
    std::uint64_t folded = 14695981039346656037ull;
    for (const std::uint64_t checksum : played.targetChecksums) {
        for (int byte = 0; byte < 8; ++byte) {
            folded = (folded ^ ((checksum >> (8 * byte)) & 0xff)) * 1099511628211ull;
        }
    }
    EXPECT_EQ(driver.Game().witness.Digest(), folded);
    EXPECT_EQ(driver.Game().witness.Seconds(), static_cast<int>(played.targetChecksums.size()));
    // Watching a replay changes nothing of the live game: its generator is where it was.
    EXPECT_EQ(Yorun::GameRandom().w, live.w);
    EXPECT_EQ(Yorun::GameRandom().x, live.x);
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

// A game takes over some state from the games before it in the same run (the generator, the launcher's
// count, the shot timer, the blink holds): its replay must play the same after any other games.
TEST(Replay, AGameRecordedAfterOthersPlaysTheSameAfterDifferentOnes) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    PlayScriptedGame(driver, Yorun::DIFFICULTY_EASY, false);
    const ReplayResult second = PlayScriptedGame(driver, Yorun::DIFFICULTY_HARD, false);
    ASSERT_TRUE(driver.Game().recorder.HasFinished());
    const Replay recorded = driver.Game().recorder.Finished();
    EXPECT_EQ(recorded.maxScore, second.maxScore);

    PlayScriptedGame(driver, Yorun::DIFFICULTY_NORMAL, false);
    const ReplayResult played = PlayRecordedGame(driver, recorded, false);
    EXPECT_EQ(played.ToText(), second.ToText());
}

TEST(Replay, AReplayLeavesForTheTitleByItselfOrAtEscapeAndLeavesTheLiveGameAsItWas) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    Replay replay;
    ASSERT_TRUE(ReadGolden("replay_easy", replay));
    const Yorun::XorShift128 live = Yorun::GameRandom();

    // Escape in the middle of play: straight back to the title, the live generator as it was.
    driver.Game().StartReplay(replay);
    driver.Frames(600);
    ASSERT_EQ(driver.State().scene, Yorun::SCENE_PLAY);
    EXPECT_TRUE(driver.Game().TakeEscape());
    EXPECT_EQ(driver.State().scene, Yorun::SCENE_TITLE);
    EXPECT_EQ(Yorun::GameRandom().w, live.w);
    // At the title Escape is the framework's again: it quits.
    EXPECT_FALSE(driver.Game().TakeEscape());

    // Played to its end, the score screen stays six seconds, then the title comes back by itself.
    PlayRecordedGame(driver, replay, false);
    ASSERT_EQ(driver.State().scene, Yorun::SCENE_SCORE);
    driver.Frames(365);
    EXPECT_EQ(driver.State().scene, Yorun::SCENE_SCORE);
    driver.Frames(1);
    EXPECT_EQ(driver.State().scene, Yorun::SCENE_TITLE);
    EXPECT_FALSE(driver.Game().TakeEscape());
}

// A replay that ends otherwise than it says it did is named with the version that recorded it, which comes
// from the file: only its printable characters reach the terminal, never a terminal's control sequence.
TEST(Replay, AReplayEndingOtherwiseThanRecordedSaysSoInPrintableText) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    Replay replay;
    ASSERT_TRUE(ReadGolden("replay_easy", replay));
    replay.maxScore += 1;
    replay.programVersion = "9.9\x1b]0;owned\x07\x1b[2J\xc2\x9b";
    ::testing::internal::CaptureStderr();
    const ReplayResult played = PlayRecordedGame(driver, replay, false);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(
        said.find("the replay ended with a best score of " + std::to_string(played.maxScore) + ", not " +
                  std::to_string(replay.maxScore) + " as recorded (by version 9.9?]0;owned??[2J?)"),
        std::string::npos)
        << said;
    EXPECT_EQ(said.find('\x1b'), std::string::npos);
}
