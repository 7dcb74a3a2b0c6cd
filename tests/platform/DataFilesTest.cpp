// Files kept for the user between runs: where they go, and that replacing one can be cut short at any
// moment without leaving it damaged.
#include "platform/DataFiles.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

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
TEST(DataFiles, AReplacementKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole) {
    testing_support::TemporaryDirectory directory;
    const std::string path = directory.File("record");
    constexpr std::size_t kSize = 4u << 20;
    std::mt19937 random(8);
    std::uniform_int_distribution<int> pause(0, 30000);
    for (int round = 0; round < 40; ++round) {
        int written[2];
        ASSERT_EQ(pipe(written), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(written[0]);
            for (std::uint8_t version = 1;; ++version) {
                std::string error;
                WriteFileAtomically(path, std::vector<std::uint8_t>(kSize, version), error);
                static_cast<void>(write(written[1], "w", 1));
            }
        }
        close(written[1]);
        char note = 0;
        ASSERT_EQ(read(written[0], &note, 1), 1);
        usleep(static_cast<useconds_t>(pause(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(written[0]);
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ReadWholeFile(path, kSize, bytes, error)) << error;
        ASSERT_EQ(bytes.size(), kSize) << "round " << round;
        ASSERT_EQ(std::vector<std::uint8_t>(kSize, bytes[0]), bytes) << "round " << round;
    }
}
