#include "game/replay/RecordFiles.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/system/DataFiles.h"
#include "platform/system/FileLock.h"

namespace Yorun {

namespace {

// A game's replay is some tens of kilobytes; anything far larger is not one of ours.
constexpr std::size_t kLargestFile = 4u << 20;
constexpr const char* kBestFiles[3] = {"best-easy.yrp", "best-normal.yrp", "best-hard.yrp"};
constexpr const char* kLockFile = ".lock";
constexpr const char* kGamesFolder = "games";
constexpr const char* kDifficultyNames[3] = {"easy", "normal", "hard"};

RecordEntry EntryOf(const std::string& path, const Replay& replay) {
    RecordEntry entry;
    entry.path = path;
    entry.recordedAt = replay.recordedAt;
    entry.maxScore = replay.maxScore;
    entry.hasStats = replay.hasStats;
    entry.stats = replay.stats;
    return entry;
}

bool Ranks(const RecordEntry& a, const RecordEntry& b) {
    if (a.maxScore != b.maxScore) {
        return a.maxScore > b.maxScore;
    }
    if (a.recordedAt != b.recordedAt) {
        return a.recordedAt < b.recordedAt;
    }
    return a.path < b.path;
}

bool SameGame(const RecordEntry& a, const Replay& replay) {
    return a.recordedAt == replay.recordedAt && a.maxScore == replay.maxScore;
}

// The game's file name in the games folder: its difficulty, when it was played (UTC) and its best score.
std::string GameFileName(const Replay& replay) {
    const std::time_t when = static_cast<std::time_t>(replay.recordedAt);
    std::tm utc{};
    gmtime_r(&when, &utc);
    char stamp[32] = {};
    std::strftime(stamp, sizeof(stamp), "%Y%m%d-%H%M%S", &utc);
    return std::string(kDifficultyNames[replay.difficulty]) + "-" + stamp + "-" +
           std::to_string(replay.maxScore) + ".yrp";
}

// The name, or when a file has it already (two games ending in the same second with the same score), the
// name with a number added.
std::string FreeName(const std::string& folder, const std::string& name) {
    std::error_code failed;
    std::string free = name;
    const std::string stem = name.substr(0, name.size() - 4);
    for (int number = 2; std::filesystem::exists(std::filesystem::path(folder) / free, failed); ++number) {
        free = stem;
        free += '-';
        free += std::to_string(number);
        free += ".yrp";
    }
    return free;
}

// A game's file of the difficulty in the games folder, by its name.
bool IsGameOf(const std::string& name, int difficulty) {
    const std::string prefix = std::string(kDifficultyNames[difficulty]) + "-";
    return name.rfind(prefix, 0) == 0 && name.size() > prefix.size() + 4 &&
           name.compare(name.size() - 4, 4, ".yrp") == 0;
}

std::string PathIn(const std::string& folder, const std::string& name) {
    std::string path = folder;
    path += '/';
    path += name;
    return path;
}

// Keeps the first problem: it names the cause, and those after it only follow from it.
void Note(std::string& problem, const std::string& found) {
    if (problem.empty() && !found.empty()) {
        problem = found;
    }
}

}  // namespace

const char* CRecordFiles::BestFile(int difficulty) {
    return difficulty >= 0 && difficulty < 3 ? kBestFiles[difficulty] : "";
}

bool CRecordFiles::ReadReplay(const std::string& path, Replay& replay, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, kLargestFile, bytes, error)) {
        return false;
    }
    if (!DecodeReplay(bytes.data(), bytes.size(), replay, error)) {
        error = path + " is " + error;
        return false;
    }
    return true;
}

RecordsSnapshot CRecordFiles::Read(std::string& problem) const {
    RecordsSnapshot snapshot;
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        Replay replay;
        std::string error;
        if (ReadReplay(directory + "/" + kBestFiles[difficulty], replay, error) &&
            replay.difficulty == difficulty) {
            snapshot.bests[difficulty] = replay.maxScore;
        }
        snapshot.topTen[difficulty] = ReadTopTen(difficulty, problem);
    }
    return snapshot;
}

std::vector<RecordEntry> CRecordFiles::ReadTopTen(int difficulty, std::string& problem, bool* whole) const {
    std::vector<RecordEntry> list;
    const std::string folder = directory + "/" + kGamesFolder;
    std::vector<std::string> names;
    std::string unlisted;
    const bool listed = platform::ListDirectory(folder, names, unlisted);
    std::error_code unknown;
    const bool folderExists = std::filesystem::exists(folder, unknown) || unknown;
    // No folder yet is no games yet; any other failure is told, and the games listed before it still count.
    if (!listed && folderExists) {
        Note(problem, unlisted);
    }
    if (whole != nullptr) {
        *whole = listed || !folderExists;
    }
    for (const std::string& name : names) {
        if (!IsGameOf(name, difficulty)) {
            continue;
        }
        Replay replay;
        std::string error;
        const std::string path = PathIn(folder, name);
        // A damaged file is passed over, as a damaged best file is: it is not a game to show.
        if (ReadReplay(path, replay, error) && replay.difficulty == difficulty) {
            list.push_back(EntryOf(path, replay));
        }
    }
    const std::string bestPath = directory + "/" + kBestFiles[difficulty];
    Replay best;
    std::string error;
    if (ReadReplay(bestPath, best, error) && best.difficulty == difficulty &&
        std::none_of(list.begin(), list.end(),
                     [&](const RecordEntry& entry) { return SameGame(entry, best); })) {
        list.push_back(EntryOf(bestPath, best));
    }
    std::sort(list.begin(), list.end(), Ranks);
    if (list.size() > static_cast<std::size_t>(kKept)) {
        list.resize(kKept);
    }
    return list;
}

RecordsSnapshot CRecordFiles::Save(const Replay& replay, const std::atomic<bool>& giveUp,
                                   std::string& problem) const {
    std::string error;
    if (!platform::MakeDirectories(directory, error)) {
        Note(problem, error);
        return Read(problem);
    }
    const platform::FileLock lock(directory + "/" + kLockFile, giveUp);
    if (lock.GaveUp()) {
        Note(problem, "another copy of the game holds them and does not let go (" + directory + "/" +
                          kLockFile + "); the last game was not saved");
        return Read(problem);
    }
    // What a copy killed while saving left behind.
    platform::RemoveLeftovers(directory);
    platform::RemoveLeftovers(directory + "/" + kGamesFolder);
    const std::vector<std::uint8_t> bytes = EncodeReplay(replay);
    if (Write(kLastFile, bytes, problem)) {
        KeepInTopTen(replay, bytes, problem);
        const std::string bestPath = directory + "/" + kBestFiles[replay.difficulty];
        Replay best;
        std::string unread;
        const bool haveBest = ReadReplay(bestPath, best, unread) && best.difficulty == replay.difficulty;
        if (!haveBest || best.maxScore < replay.maxScore) {
            Write(kBestFiles[replay.difficulty], bytes, problem);
        }
    }
    return Read(problem);
}

bool CRecordFiles::Write(const std::string& name, const std::vector<std::uint8_t>& bytes,
                         std::string& problem) const {
    std::string error;
    if (!platform::WriteFileAtomically(directory + "/" + name, bytes, error)) {
        Note(problem, error);
        return false;
    }
    return true;
}

void CRecordFiles::KeepInTopTen(const Replay& replay, const std::vector<std::uint8_t>& bytes,
                                std::string& problem) const {
    const int difficulty = replay.difficulty;
    const std::string folder = directory + "/" + kGamesFolder;
    std::string error;
    if (!platform::MakeDirectories(folder, error)) {
        Note(problem, error);
        return;
    }
    // What other copies of the game have kept since this one last looked.
    bool whole = false;
    std::vector<RecordEntry> list = ReadTopTen(difficulty, problem, &whole);
    // A best file from before the games folder existed is copied in, so that a better game replacing it
    // does not take it out of the list. Only when the folder was listed whole: a copy may be there unseen.
    for (const RecordEntry& entry : whole ? list : std::vector<RecordEntry>{}) {
        if (entry.path.rfind(folder + "/", 0) == 0) {
            continue;
        }
        Replay old;
        std::string unread;
        if (ReadReplay(entry.path, old, unread) &&
            Write(std::string(kGamesFolder) + "/" + FreeName(folder, GameFileName(old)), EncodeReplay(old),
                  problem)) {
            list = ReadTopTen(difficulty, problem, &whole);
        }
        break;
    }
    const bool makesIt =
        list.size() < static_cast<std::size_t>(kKept) || replay.maxScore > list.back().maxScore;
    if (makesIt &&
        Write(std::string(kGamesFolder) + "/" + FreeName(folder, GameFileName(replay)), bytes, problem)) {
        list = ReadTopTen(difficulty, problem, &whole);
    }
    // The games that fell out of the ten, of this difficulty only. A file this version cannot read (damaged,
    // or from a newer version) is not known to have fallen out, and stays. When the folder could not be
    // listed whole, the ten are not known either, and nothing is removed.
    std::vector<std::string> names;
    if (!whole || !platform::ListDirectory(folder, names, error)) {
        Note(problem, error);
        return;
    }
    for (const std::string& name : names) {
        const std::string path = PathIn(folder, name);
        Replay unranked;
        std::string unread;
        if (IsGameOf(name, difficulty) &&
            std::none_of(list.begin(), list.end(),
                         [&](const RecordEntry& kept) { return kept.path == path; }) &&
            ReadReplay(path, unranked, unread)) {
            std::error_code failed;
            std::filesystem::remove(path, failed);
        }
    }
}

}  // namespace Yorun
