// The player's records on disk: the best game of each difficulty and the last one, kept across runs,
// replaced whole or not at all, and shared safely by copies of the game that save at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/replay/Records.h"
#include "game/replay/Replay.h"
#include "platform/system/FileLock.h"
#include "support/KillWhileRepeating.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TemporaryDirectory.h"

using Yorun::CRecords;
using Yorun::Replay;

namespace {

class Records : public ::testing::Test {
protected:
    Records() { setenv("XDG_DATA_HOME", data.Path().c_str(), 1); }
    ~Records() override { unsetenv("XDG_DATA_HOME"); }

    // A game with the given result, of the given length in frames.
    static Replay Game(int difficulty, int maxScore, std::size_t frames = 10) {
        Replay replay;
        replay.programVersion = "test";
        replay.difficulty = difficulty;
        replay.frequency = 1000000;
        replay.maxScore = maxScore;
        replay.score = maxScore;
        replay.frames.resize(frames);
        return replay;
    }

    std::string File(const char* name) const { return data.File("yorun/") + name; }

    // The best score in a file, read as the game reads it; -1 when it cannot be read.
    static int BestIn(const std::string& path) {
        CRecords reader;
        Replay replay;
        std::string error;
        return reader.Load(path, replay, error) ? replay.maxScore : -1;
    }

    testing_support::TemporaryDirectory data;
    testing_support::RecordingMessageBoxes boxes;
};

}  // namespace

TEST_F(Records, TheBestOfEachDifficultyAndTheLastGameAreKeptForTheNextRun) {
    {
        CRecords records;
        records.Open(true);
        EXPECT_EQ(records.Best(0), -1);
        records.Offer(Game(0, 50));
        records.Offer(Game(0, 30));
        records.Offer(Game(2, 10));
        EXPECT_EQ(records.Best(0), 50);
        EXPECT_EQ(records.Best(2), 10);
    }
    CRecords next;
    next.Open(true);
    EXPECT_EQ(next.Best(0), 50);
    EXPECT_EQ(next.Best(1), -1);
    EXPECT_EQ(next.Best(2), 10);
    Replay replay;
    std::string error;
    ASSERT_TRUE(next.Load("best-easy", replay, error)) << error;
    EXPECT_EQ(replay.maxScore, 50);
    ASSERT_TRUE(next.Load("last", replay, error)) << error;
    EXPECT_EQ(replay.difficulty, 2);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Records, WithoutSavingNothingIsReadOrWritten) {
    CRecords records;
    records.Open(true);
    records.Offer(Game(1, 40));
    records.Finish();
    CRecords unsaved;
    unsaved.Open(false);
    EXPECT_EQ(unsaved.Best(1), -1);
    unsaved.Offer(Game(1, 90));
    EXPECT_EQ(BestIn(File("best-normal.yrp")), 40);
}

TEST_F(Records, ADamagedRecordCountsAsNoneAndTheNextGameReplacesIt) {
    std::filesystem::create_directories(data.File("yorun"));
    std::ofstream(File("best-hard.yrp")) << "YORUNRPL and then nonsense";
    CRecords records;
    records.Open(true);
    EXPECT_EQ(records.Best(2), -1);
    Replay replay;
    std::string error;
    EXPECT_FALSE(records.Load("best-hard", replay, error));
    EXPECT_NE(error.find("The replay cannot be played:"), std::string::npos) << error;
    EXPECT_NE(error.find("best-hard.yrp"), std::string::npos) << error;

    records.Offer(Game(2, 5));
    records.Finish();
    EXPECT_EQ(BestIn(File("best-hard.yrp")), 5);
}

TEST_F(Records, ADirectoryThatCannotBeWrittenIsReportedOnceAndPlayGoesOn) {
    // Where the directory should be, a file: not even root can save there.
    std::ofstream(data.File("yorun")) << "in the way";
    CRecords records;
    records.Open(true);
    records.Offer(Game(0, 10));
    records.Offer(Game(0, 20));
    records.Finish();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find("Your records cannot be saved"), std::string::npos);
}

// Copies of the game killed at random moments while they save: the record is always one that was whole,
// never a damaged one, and never worse than one seen before. Each copy is killed only after it has saved
// once, however slow the machine, and then at a random moment of the saves that follow.
TEST_F(Records, AGameKilledWhileSavingAlwaysLeavesAReadableRecord) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<unsigned> pause(0, 20000);
    int best = -1;
    for (int round = 0; round < 60; ++round) {
        CRecords records;
        records.Open(true);
        // Games as long as real ones: a kill meets a file being written.
        const auto save = [&](int run) {
            records.Offer(Game(0, best + 1 + run, Replay::kMaxFrames));
            records.Finish();
        };
        ASSERT_TRUE(testing_support::KillWhileRepeating(save, pause(random)));
        const int now = BestIn(File("best-easy.yrp"));
        ASSERT_GE(now, 0) << "a damaged record after kill " << round;
        ASSERT_GE(now, best);
        best = now;
    }
    // The next save leaves nothing half written behind, whatever the kills left.
    CRecords records;
    records.Open(true);
    records.Offer(Game(0, best + 1));
    records.Finish();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data.File("yorun"))) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    }
}

// Two copies ending a game at the same moment, the better game and a worse one, again and again: the
// better one is always the record, and nothing half written is left beside the records.
TEST_F(Records, TwoCopiesSavingAtOnceKeepTheBetterGame) {
    for (int round = 0; round < 30; ++round) {
        std::filesystem::remove(File("best-normal.yrp"));
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        pid_t copies[2];
        for (int copy = 0; copy < 2; ++copy) {
            copies[copy] = fork();
            ASSERT_GE(copies[copy], 0);
            if (copies[copy] == 0) {
                close(start[1]);
                CRecords records;
                records.Open(true);
                char go = 0;
                // Both wait here until the test lets them go together.
                static_cast<void>(read(start[0], &go, 1));
                records.Offer(Game(1, 100 + round - copy, Replay::kMaxFrames));
                records.Finish();
                _exit(0);
            }
        }
        close(start[0]);
        close(start[1]);
        for (const pid_t copy : copies) {
            int status = 0;
            waitpid(copy, &status, 0);
        }
        ASSERT_EQ(BestIn(File("best-normal.yrp")), 100 + round) << "round " << round;
    }
    for (const auto& entry : std::filesystem::directory_iterator(data.File("yorun"))) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == ".lock" || name == "best-normal.yrp" || name == "last.yrp" || name == "games")
            << name;
    }
    // The ten best of all sixty games, each whole.
    CRecords records;
    records.Open(true);
    ASSERT_EQ(records.TopTen(1).size(), 10u);
    EXPECT_EQ(records.TopTen(1).front().maxScore, 129);
    EXPECT_EQ(records.TopTen(1).back().maxScore, 124);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File("games")), {}), 10);
}

// A best file an earlier version kept (format 1, no statistics) is the first of its list, stays in it when
// a better game replaces it as the best, and every list keeps the ten best games across runs.
TEST_F(Records, TheTenBestAreKeptWithAnOldBestFileAmongThem) {
    std::filesystem::create_directories(data.File("yorun"));
    const std::vector<std::uint8_t> old = Yorun::EncodeReplay(Game(0, 500));
    std::ofstream(File("best-easy.yrp"), std::ios::binary)
        .write(reinterpret_cast<const char*>(old.data()), static_cast<std::streamsize>(old.size()));
    {
        CRecords records;
        records.Open(true);
        ASSERT_EQ(records.TopTen(0).size(), 1u);
        EXPECT_FALSE(records.TopTen(0).front().hasStats);
        for (int score = 10; score <= 120; score += 10) {
            Replay game = Game(0, score);
            game.hasStats = true;
            game.stats = Yorun::RoundStats{score, score / 2, 1};
            records.Offer(game);
        }
        records.Offer(Game(0, 600));
        records.Offer(Game(1, 5));
    }
    CRecords next;
    next.Open(true);
    EXPECT_EQ(next.Best(0), 600);
    const auto& easy = next.TopTen(0);
    ASSERT_EQ(easy.size(), 10u);
    const int expected[10] = {600, 500, 120, 110, 100, 90, 80, 70, 60, 50};
    for (std::size_t rank = 0; rank < easy.size(); ++rank) {
        EXPECT_EQ(easy[rank].maxScore, expected[rank]) << "rank " << rank + 1;
    }
    EXPECT_EQ(easy[2].stats.AccuracyPercent(), 50);
    Replay replay;
    std::string error;
    ASSERT_TRUE(CRecords::LoadEntry(easy[1], replay, error)) << error;
    EXPECT_EQ(replay.maxScore, 500);
    EXPECT_EQ(Yorun::EncodeReplay(replay), old);
    ASSERT_EQ(next.TopTen(1).size(), 1u);
    EXPECT_TRUE(next.TopTen(2).empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

// Another copy of the game stopped (Ctrl+Z) while it holds the records' lock: the game's frames never wait
// for it, the save follows once the lock is free, and a game quitting meanwhile gives up in its own time.
TEST_F(Records, ALockHeldByAStoppedCopyNeverHoldsUpTheFrames) {
    std::filesystem::create_directories(data.File("yorun"));
    const std::atomic<bool> wait{false};
    auto stoppedCopy = std::make_unique<platform::FileLock>(File(".lock"), wait);
    CRecords records;
    records.Open(true);
    auto offered = std::async(std::launch::async, [&] { records.Offer(Game(2, 70)); });
    ASSERT_EQ(offered.wait_for(std::chrono::seconds(20)), std::future_status::ready)
        << "the frame waited for the lock";
    EXPECT_EQ(records.Best(2), 70);
    stoppedCopy.reset();
    records.Finish();
    EXPECT_EQ(BestIn(File("best-hard.yrp")), 70);
    ASSERT_EQ(records.TopTen(2).size(), 1u);

    stoppedCopy = std::make_unique<platform::FileLock>(File(".lock"), wait);
    records.Offer(Game(2, 90));
    records.Finish(std::chrono::milliseconds(200));
    EXPECT_EQ(BestIn(File("best-hard.yrp")), 70);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find("another copy of the game holds them"), std::string::npos)
        << boxes.boxes[0].text;
}

// What a save killed half way leaves beside the records is cleaned up by the next save, in the games
// folder too; the player's own files there stay, whatever their names.
TEST_F(Records, TheNextSaveRemovesWhatAKilledSaveLeftAndNothingElse) {
    std::filesystem::create_directories(data.File("yorun/games"));
    const std::vector<std::string> leftovers = {"yorun/.last.yrp.tmp-a1B2c3",
                                                "yorun/.best-easy.yrp.tmp-XyZ123",
                                                "yorun/games/.easy-20261209-183012-50.yrp.tmp-000000"};
    const std::vector<std::string> players = {"yorun/last.yrp.backup", "yorun/games/easy.notes",
                                              "yorun/.last.yrp.tmp-kept-by-hand", "yorun/games/.hidden"};
    for (const std::string& name : leftovers) {
        std::ofstream(data.File(name)) << "half a replay";
    }
    for (const std::string& name : players) {
        std::ofstream(data.File(name)) << "the player's";
    }
    CRecords records;
    records.Open(true);
    records.Offer(Game(0, 50));
    records.Finish();
    for (const std::string& name : leftovers) {
        EXPECT_FALSE(std::filesystem::exists(data.File(name))) << name;
    }
    for (const std::string& name : players) {
        EXPECT_TRUE(std::filesystem::exists(data.File(name))) << name;
    }
    EXPECT_EQ(BestIn(File("best-easy.yrp")), 50);
}
