// Files kept for the user between runs: where they go, and that replacing one can be cut short at any
// moment without leaving it damaged.
#include "platform/system/DataFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/KillWhileRepeating.h"
#include "support/TemporaryDirectory.h"

using namespace platform;

TEST(DataFiles, TheDataDirectoryFollowsXdgThenHomeAndIgnoresRelativePaths) {
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(UserDataDirectory("yorun"), "/data/yorun");
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(UserDataDirectory("yorun"), "/home/player/.local/share/yorun");
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(UserDataDirectory("yorun"), "");
}

// A writer killed at random moments while it replaces a large file again and again: the file is always one
// of the versions written, whole. Each writer is killed only after its first replacement, however slow the
// machine, and then at a random moment of the ones that follow.
TEST(DataFiles, AReplacementKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWholeAndItsLeftoversAreCleaned) {
    testing_support::TemporaryDirectory directory;
    const std::string path = directory.File("record");
    // The player's own file beside it, with a name like the record's.
    std::ofstream(directory.File("record.backup")) << "mine";
    constexpr std::size_t kSize = 4u << 20;
    std::mt19937 random(8);
    std::uniform_int_distribution<unsigned> pause(0, 30000);
    const auto replace = [&](int run) {
        std::string error;
        WriteFileAtomically(path, std::vector<std::uint8_t>(kSize, static_cast<std::uint8_t>(run + 1)),
                            error);
    };
    for (int round = 0; round < 40; ++round) {
        ASSERT_TRUE(testing_support::KillWhileRepeating(replace, pause(random)));
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ReadWholeFile(path, kSize, bytes, error)) << error;
        ASSERT_EQ(bytes.size(), kSize) << "round " << round;
        ASSERT_EQ(std::vector<std::uint8_t>(kSize, bytes[0]), bytes) << "round " << round;
        RemoveLeftovers(directory.Path());
        std::vector<std::string> names;
        ASSERT_TRUE(ListDirectory(directory.Path(), names, error)) << error;
        std::sort(names.begin(), names.end());
        ASSERT_EQ(names, (std::vector<std::string>{"record", "record.backup"})) << "round " << round;
    }
}
