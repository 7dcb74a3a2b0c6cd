#pragma once

#include <cstdint>
#include <string>

#include "game/replay/Replay.h"

namespace Yorun {

// The player's records, kept in the user's data directory ($XDG_DATA_HOME/yorun, or ~/.local/share/yorun):
// the best game on each difficulty as a replay ("best-easy.yrp", "best-normal.yrp", "best-hard.yrp"), and
// the last game played ("last.yrp"). Every file is replaced whole or not at all, and copies of the game
// that save at once take turns, so no file is ever left damaged. A file that cannot be read is left alone
// and treated as missing; a directory that cannot be written is reported once and the game plays on.
class CRecords {
public:
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

private:
    // Reads a replay file; false with the reason.
    static bool Read(const std::string& path, Replay& replay, std::string& error);
    bool Save(const std::string& name, const std::vector<std::uint8_t>& bytes);
    void Report(const std::string& problem);

    bool saving = false;
    bool reported = false;
    std::string directory;
    std::int32_t bests[3] = {-1, -1, -1};
};

}  // namespace Yorun
