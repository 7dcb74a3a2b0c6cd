// The replay file as the program writes and reads it: whatever arrives in its place, the reader refuses
// all but a whole replay of a format it knows, says why, and trusts no count it has not checked.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "base/Fnv1a.h"
#include "game/replay/Replay.h"

using Yorun::DecodeReplay;
using Yorun::EncodeReplay;
using Yorun::Replay;

namespace {

std::vector<std::uint8_t> Golden() {
    std::ifstream file(std::string(YORUN_GOLDEN_DIR) + "/replay_normal.yrp", std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// The reason a file is refused, or "" when it is read.
std::string Refusal(const std::vector<std::uint8_t>& bytes) {
    Replay replay;
    std::string error;
    return DecodeReplay(bytes.data(), bytes.size(), replay, error) ? "" : error;
}

// A replay written by the program itself, changed by `change` before it is written: the checksum is right,
// so only the reader's own checks can refuse it.
template <typename Change>
std::vector<std::uint8_t> Written(Change change) {
    const std::vector<std::uint8_t> golden = Golden();
    Replay replay;
    std::string error;
    EXPECT_TRUE(DecodeReplay(golden.data(), golden.size(), replay, error)) << error;
    change(replay);
    return EncodeReplay(replay);
}

// The file with the four bytes at `offset` set to `value`, and its checksum made right again by the
// program's own hash (the golden file's bytes pin what that hash is).
std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) {
        bytes[offset + static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(value >> (8 * byte));
    }
    const std::uint64_t hash = Corvane::Fnv1a::Of(bytes.data(), bytes.size() - 8);
    for (int byte = 0; byte < 8; ++byte) {
        bytes[bytes.size() - 8 + static_cast<std::size_t>(byte)] =
            static_cast<std::uint8_t>(hash >> (8 * byte));
    }
    return bytes;
}

}  // namespace

TEST(ReplayFile, WhatIsWrittenReadsBackTheSameAndWritesTheSameBytes) {
    const std::vector<std::uint8_t> golden = Golden();
    Replay replay;
    std::string error;
    ASSERT_TRUE(DecodeReplay(golden.data(), golden.size(), replay, error)) << error;
    EXPECT_EQ(replay.difficulty, 1);
    EXPECT_GT(replay.frames.size(), 5000u);
    EXPECT_EQ(EncodeReplay(replay), golden);
    EXPECT_FALSE(replay.hasStats);

    // A game recorded now keeps its statistics too.
    replay.hasStats = true;
    replay.stats = Yorun::RoundStats{120, 70, 9};
    const std::vector<std::uint8_t> withStats = EncodeReplay(replay);
    Replay read;
    ASSERT_TRUE(DecodeReplay(withStats.data(), withStats.size(), read, error)) << error;
    EXPECT_TRUE(read.hasStats);
    EXPECT_EQ(read.stats.shots, 120);
    EXPECT_EQ(read.stats.hits, 70);
    EXPECT_EQ(read.stats.longestCombo, 9);
    EXPECT_EQ(EncodeReplay(read), withStats);
}

TEST(ReplayFile, DamagedTruncatedForeignAndNewerFilesAreRefusedWithTheirReason) {
    const std::vector<std::uint8_t> golden = Golden();
    EXPECT_EQ(Refusal({}), "not a replay of this game");
    EXPECT_EQ(Refusal(std::vector<std::uint8_t>(golden.size(), 'x')), "not a replay of this game");

    std::vector<std::uint8_t> newer = golden;
    newer[8] = 3;
    EXPECT_EQ(Refusal(newer), "recorded in replay format 3, which this version (format 2) cannot play");

    for (const std::size_t kept : {10ul, 11ul, 100ul, golden.size() / 2, golden.size() - 1}) {
        const std::string reason = Refusal(
            std::vector<std::uint8_t>(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(kept)));
        EXPECT_TRUE(reason == "cut short" || reason.find("damaged") == 0) << kept << ": " << reason;
    }
    std::vector<std::uint8_t> flipped = golden;
    flipped[golden.size() / 3] ^= 0x10;
    EXPECT_EQ(Refusal(flipped), "damaged (cut short, or changed since it was written)");
    std::vector<std::uint8_t> longer = golden;
    longer.push_back(0);
    EXPECT_EQ(Refusal(longer), "damaged (cut short, or changed since it was written)");
}

TEST(ReplayFile, HostileValuesWithARightChecksumAreRefused) {
    EXPECT_EQ(Refusal(Written([](Replay& replay) { replay.difficulty = 7; })),
              "its header holds values no game has");
    EXPECT_EQ(Refusal(Written([](Replay& replay) { replay.frequency = 0; })),
              "its header holds values no game has");
    EXPECT_EQ(Refusal(Written([](Replay& replay) { replay.frames.clear(); })),
              "its header holds values no game has");
    EXPECT_EQ(Refusal(Written([](Replay& replay) {
                  replay.hasStats = true;
                  replay.stats = Yorun::RoundStats{10, 11, 0};
              })),
              "its header holds values no game has");
    EXPECT_EQ(Refusal(Written([](Replay& replay) { replay.frames[10].ticks = -5; })), "a frame is damaged");
    // A key triggered that is not held.
    EXPECT_EQ(Refusal(Written([](Replay& replay) { replay.frames[10].triggered.set(44); })),
              "a frame is damaged");

    // A frame count far beyond what the file holds is refused before anything is set aside for it.
    const std::vector<std::uint8_t> golden = Golden();
    Replay replay;
    std::string error;
    ASSERT_TRUE(DecodeReplay(golden.data(), golden.size(), replay, error));
    const std::size_t countAt =
        8 + 2 + 1 + replay.programVersion.size() + 1 + 8 + 8 + 16 + 4 + 4 + 30 * 4 + 1 + 4 + 4 + 4 + 4;
    EXPECT_EQ(Refusal(Patched(golden, countAt, 19999)), "cut short");
    EXPECT_EQ(Refusal(Patched(golden, countAt, 0xFFFFFFFFu)), "its header holds values no game has");
    EXPECT_EQ(Refusal(Patched(golden, countAt, static_cast<std::uint32_t>(replay.frames.size()) - 1)),
              "it goes on past its last frame");
}
