#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "game/replay/Replay.h"

namespace Yorun {

// One of the ten best games of a difficulty: where its replay is and what the records screen shows of it.
struct RecordEntry {
    std::string path;
    std::int64_t recordedAt = 0;  // seconds since 1970, UTC
    std::int32_t maxScore = 0;
    bool hasStats = false;
    RoundStats stats;
};

// What the records hold at one moment: the best score of each difficulty (-1 for none) and its ten best
// games, best first (the earlier of two equal scores first).
struct RecordsSnapshot {
    std::int32_t bests[3] = {-1, -1, -1};
    std::vector<RecordEntry> topTen[3];
};

// The records as files in one directory: "best-easy.yrp", "best-normal.yrp" and "best-hard.yrp", the best
// game of each difficulty; "last.yrp", the last game played; and under "games/" the ten best games of each
// difficulty ("easy-20261209-183012-1250.yrp": difficulty, time of play in UTC, best score), never changed
// once written and removed when they fall out of the ten. A best file from before the folder existed
// counts as one of its games until it is copied in. Every file is replaced whole or not at all, and copies
// of the game that save at once take turns under the directory's lock. The object holds nothing but the
// directory's name: any thread may use its own copy.
class CRecordFiles {
public:
    static constexpr int kKept = 10;
    static constexpr const char* kLastFile = "last.yrp";

    explicit CRecordFiles(std::string directory) : directory(std::move(directory)) {}

    // The best file of a difficulty, "best-easy.yrp" and so on.
    static const char* BestFile(int difficulty);
    // Reads a replay file; false with the reason.
    static bool ReadReplay(const std::string& path, Replay& replay, std::string& error);

    // Reads what the directory holds now. A problem worth telling the player (the games folder cannot be
    // listed) is named in `problem`; files that cannot be read are passed over as no games.
    RecordsSnapshot Read(std::string& problem) const;
    // A game has ended: under the lock it becomes the last game, joins the games folder if it makes its
    // difficulty's ten (those that fall out are removed) and becomes the best of its difficulty if it beat
    // the best file, compared then, from the file itself: another copy may have saved a better one since.
    // What the directory holds afterwards is returned; a problem (the directory cannot be written, the wait
    // for the lock was given up) is named in `problem`, and what could not be saved is left as it was.
    RecordsSnapshot Save(const Replay& replay, const std::atomic<bool>& giveUp, std::string& problem) const;

private:
    // The ten best games of a difficulty; `whole` (when given) says whether the games folder was listed to
    // its end, so that games missing from the list are known to rank below it.
    std::vector<RecordEntry> ReadTopTen(int difficulty, std::string& problem, bool* whole = nullptr) const;
    bool Write(const std::string& name, const std::vector<std::uint8_t>& bytes, std::string& problem) const;
    // The game joins the games folder if it makes the ten, a best file from before the folder existed is
    // copied in, and games beyond the ten are removed.
    void KeepInTopTen(const Replay& replay, const std::vector<std::uint8_t>& bytes,
                      std::string& problem) const;

    std::string directory;
};

}  // namespace Yorun
