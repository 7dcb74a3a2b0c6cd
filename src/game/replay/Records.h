#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "game/replay/RecordFiles.h"
#include "game/replay/Replay.h"
#include "platform/system/FileWorker.h"

namespace Yorun {

// The player's records, kept in the user's data directory ($XDG_DATA_HOME/yorun, or ~/.local/share/yorun)
// as CRecordFiles lays them out, as the game's frames see them. Reading them at the start is quick; every
// save runs off the frames (platform::FileWorker), in the order the games ended, and what the directory
// holds after it comes back to the frames at the next Collect, so that no frame waits for a lock another
// copy of the game holds or for a disk. A directory that cannot be written is reported once, and the game
// plays on.
class CRecords {
public:
    static constexpr int kKept = CRecordFiles::kKept;
    using Entry = RecordEntry;

    // Saving on: the records are read from the directory, and games are offered to it. Off: nothing is
    // read or written.
    void Open(bool on);
    // The best score on a difficulty, or -1 when there is none.
    std::int32_t Best(int difficulty) const;
    // A game has ended: it is saved as the last game, and as the best of its difficulty when it beats it.
    // Its score counts as the best at once; the directory's answer follows at a Collect.
    void Offer(const Replay& replay);
    // Reads the directory again, off the frames: other copies of the game may have kept games since.
    void Refresh();
    // Once an update: takes what the last save or read found, and reports a problem it met (once a run).
    void Collect();
    // Waits for the saves offered so far (a few seconds at most: a copy of the game stopped while it holds
    // the records' lock would hold this one for ever), then collects.
    void Finish(std::chrono::milliseconds limit = platform::FileWorker::kFinishLimit);
    // Whether a --replay word names one of the records ("best-easy", "best-normal", "best-hard" or
    // "last") rather than a file.
    static bool NamesRecord(const std::string& word);
    // The replay a --replay word names: one of the records, or a file's path. False with a message for the
    // player.
    bool Load(const std::string& name, Replay& replay, std::string& error) const;
    // The ten best games of a difficulty, best first (the earlier of two equal scores first); empty when
    // saving is off.
    const std::vector<Entry>& TopTen(int difficulty) const;
    // Reads one of them back to watch it; false with a message for the player.
    static bool LoadEntry(const Entry& entry, Replay& replay, std::string& error);
    bool IsOpen() const { return saving; }

private:
    // From the worker: what a job found.
    void Deliver(RecordsSnapshot snapshot, const std::string& problem);
    void Report(const std::string& problem);

    bool saving = false;
    bool reported = false;
    std::string directory;
    RecordsSnapshot shown;

    // What the jobs hand back, until the frames collect it.
    std::mutex arrivalMutex;
    std::optional<RecordsSnapshot> arrived;
    std::string arrivedProblem;

    // Last, so that it goes first: its jobs hand their findings to the members above.
    platform::FileWorker worker;
};

}  // namespace Yorun
