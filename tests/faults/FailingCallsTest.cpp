// The user's files when the system fails the calls that keep them: a listing cut short, a write that takes
// nothing, a directory that cannot be synced. The failures come from calls preloaded into this program
// (FailingCalls.cpp); it starts itself again with them when they are not there yet.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/replay/Records.h"
#include "game/replay/Replay.h"
#include "platform/system/DataFiles.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TemporaryDirectory.h"

namespace {

// Before any test: the program again, the failing calls preloaded. The sanitizers' runtime then no longer
// comes first among the libraries, which is as intended here.
const bool preloaded = [] {
    if (dlsym(RTLD_DEFAULT, "yorun_failing_calls") != nullptr) {
        return true;
    }
    std::ifstream commandLine("/proc/self/cmdline", std::ios::binary);
    const std::string words(std::istreambuf_iterator<char>(commandLine), {});
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start < words.size();) {
        const std::size_t end = words.find('\0', start);
        arguments.push_back(words.substr(start, end - start));
        start = end == std::string::npos ? words.size() : end + 1;
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    setenv("LD_PRELOAD", YORUN_FAILING_CALLS, 1);
    setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
    execv("/proc/self/exe", argv.data());
    return false;
}();

// Sets the variable that makes a call fail for the test's lifetime.
class Failing {
public:
    Failing(const char* variable, const std::string& path) : variable(variable) {
        setenv(variable, path.c_str(), 1);
    }
    ~Failing() { unsetenv(variable); }

    Failing(const Failing&) = delete;
    Failing& operator=(const Failing&) = delete;

private:
    const char* variable;
};

std::vector<std::uint8_t> Bytes(const char* text) {
    return std::vector<std::uint8_t>(text, text + std::strlen(text));
}

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> Names(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

Yorun::Replay Game(int difficulty, int maxScore, std::int64_t recordedAt) {
    Yorun::Replay replay;
    replay.programVersion = "test";
    replay.difficulty = difficulty;
    replay.frequency = 1000000;
    replay.maxScore = maxScore;
    replay.score = maxScore;
    replay.recordedAt = recordedAt;
    replay.frames.resize(10);
    return replay;
}

}  // namespace

TEST(FailingCalls, AreInPlace) {
    ASSERT_TRUE(preloaded);
}

TEST(FailingCalls, AWriteThatTakesNothingFailsTheReplacementAndLeavesTheOldFile) {
    testing_support::TemporaryDirectory directory;
    const std::string path = directory.File("record");
    std::string error;
    ASSERT_TRUE(platform::WriteFileAtomically(path, Bytes("old"), error)) << error;
    {
        const Failing writes("YORUN_FAIL_WRITES", directory.Path());
        EXPECT_FALSE(platform::WriteFileAtomically(path, Bytes("new"), error));
    }
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Names(directory.Path()), std::vector<std::string>{"record"});
}

TEST(FailingCalls, ADirectoryThatCannotBeSyncedFailsTheReplacementThoughTheNewFileIsInPlace) {
    testing_support::TemporaryDirectory directory;
    const std::string path = directory.File("record");
    std::string error;
    {
        const Failing sync("YORUN_FAIL_DIRECTORY_SYNC", directory.Path());
        EXPECT_FALSE(platform::WriteFileAtomically(path, Bytes("new"), error));
    }
    EXPECT_NE(error.find("cannot sync the directory"), std::string::npos) << error;
    EXPECT_EQ(Contents(path), "new");
}

// The games folder cannot be listed to its end: the player hears of it once, the game plays on and keeps
// its last game, and no game is taken for one that fell out of the ten.
TEST(FailingCalls, AGamesFolderThatCannotBeListedIsReportedOnceAndLosesNoGame) {
    testing_support::TemporaryDirectory data;
    setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
    testing_support::RecordingMessageBoxes boxes;
    const std::string folder = data.File("yorun/games");
    std::filesystem::create_directories(folder);
    for (int game = 0; game < 12; ++game) {
        const std::vector<std::uint8_t> bytes = Yorun::EncodeReplay(Game(0, 100 + game, 1000 + game));
        std::ofstream(folder + "/easy-" + std::to_string(game) + ".yrp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    {
        const Failing listing("YORUN_FAIL_LISTING", folder);
        Yorun::CRecords records;
        records.Open(true);
        records.Offer(Game(0, 500, 5000));
        records.Finish();
        records.Offer(Game(0, 50, 6000));
        records.Finish();
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find("cannot list " + folder), std::string::npos) << boxes.boxes[0].text;
    for (int game = 0; game < 12; ++game) {
        EXPECT_TRUE(std::filesystem::exists(folder + "/easy-" + std::to_string(game) + ".yrp")) << game;
    }
    // Listed whole again: the new best among the ten best, once, and the rest as they were.
    Yorun::CRecords after;
    after.Open(true);
    EXPECT_EQ(after.Best(0), 500);
    std::vector<int> scores;
    for (const Yorun::CRecords::Entry& entry : after.TopTen(0)) {
        scores.push_back(entry.maxScore);
    }
    EXPECT_EQ(scores, (std::vector<int>{500, 111, 110, 109, 108, 107, 106, 105, 104, 103}));
    unsetenv("XDG_DATA_HOME");
}
