#pragma once

#include <cstdint>
#include <string>

#include "game/replay/Replay.h"

namespace Yorun {

// The player's records, kept in the user's data directory ($XDG_DATA_HOME/yorun, or ~/.local/share/yorun):
// the best game on each difficulty as a replay ("best-easy.yrp", "best-normal.yrp", "best-hard.yrp"), the
// last game played ("last.yrp"), and the ten best games of each difficulty, one replay file each under
// "games/" ("easy-20261209-183012-1250.yrp": difficulty, time of play in UTC, best score), never changed
// once written and removed when it falls out of the ten. A best file from before the list existed counts as
// one of its games until it is copied in. Every file is replaced whole or not at all, and copies of the game
// that save at once take turns, so no file is ever left damaged. A file that cannot be read is left alone
// and treated as missing; a directory that cannot be written is reported once and the game plays on.
class CRecords {
public:
    static constexpr int kKept = 10;

    // One of the ten best games: where its replay is and what the records screen shows of it.
    struct Entry {
        std::string path;
        std::int64_t recordedAt = 0;  // seconds since 1970, UTC
        std::int32_t maxScore = 0;
        bool hasStats = false;
        RoundStats stats;
    };

    // Saving on: the records are read from the directory, and games are offered to it. Off: nothing is
    // read or written.
    void Open(bool on);
    // The best score on a difficulty, or -1 when there is none.
    std::int32_t Best(int difficulty) const;
    // A game has ended: it becomes the last game, and the best of its difficulty when it beat it.
    void Offer(const Replay& replay);
    // The replay a --replay word names: "best-easy", "best-normal", "best-hard" or "last" in the records, or
    // a file's path. False with a message for the player.
    bool Load(const std::string& name, Replay& replay, std::string& error) const;
    // The ten best games of a difficulty, best first (the earlier of two equal scores first); empty when
    // saving is off.
    const std::vector<Entry>& TopTen(int difficulty) const;
    // Reads one of them back to watch it; false with a message for the player.
    static bool LoadEntry(const Entry& entry, Replay& replay, std::string& error);
    bool IsOpen() const { return saving; }

private:
    // Reads a replay file; false with the reason.
    static bool Read(const std::string& path, Replay& replay, std::string& error);
    bool Save(const std::string& name, const std::vector<std::uint8_t>& bytes);
    void Report(const std::string& problem);
    // Reads the list of a difficulty from the directory: the games folder, and the best file if it is not
    // there yet.
    void ReadTopTen(int difficulty);
    // Under the lock: the game joins the games folder if it makes the ten, a best file from before the
    // folder existed is copied in, and games beyond the ten are removed.
    void KeepInTopTen(const Replay& replay, const std::vector<std::uint8_t>& bytes);

    bool saving = false;
    bool reported = false;
    std::string directory;
    std::int32_t bests[3] = {-1, -1, -1};
    std::vector<Entry> topTen[3];
};

}  // namespace Yorun
