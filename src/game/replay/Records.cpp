#include "game/replay/Records.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/ErrorReport.h"
#include "platform/system/DataFiles.h"
#include "platform/system/FileLock.h"

namespace Yorun {

namespace {

// A game's replay is some tens of kilobytes; anything far larger is not one of ours.
constexpr std::size_t kLargestFile = 4u << 20;
constexpr const char* kBestFiles[3] = {"best-easy.yrp", "best-normal.yrp", "best-hard.yrp"};
constexpr const char* kLastFile = "last.yrp";
constexpr const char* kLockFile = ".lock";
constexpr const char* kGamesFolder = "games";
constexpr const char* kDifficultyNames[3] = {"easy", "normal", "hard"};

CRecords::Entry EntryOf(const std::string& path, const Replay& replay) {
    CRecords::Entry entry;
    entry.path = path;
    entry.recordedAt = replay.recordedAt;
    entry.maxScore = replay.maxScore;
    entry.hasStats = replay.hasStats;
    entry.stats = replay.stats;
    return entry;
}

bool Ranks(const CRecords::Entry& a, const CRecords::Entry& b) {
    if (a.maxScore != b.maxScore) {
        return a.maxScore > b.maxScore;
    }
    if (a.recordedAt != b.recordedAt) {
        return a.recordedAt < b.recordedAt;
    }
    return a.path < b.path;
}

bool SameGame(const CRecords::Entry& a, const Replay& replay) {
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

}  // namespace

bool CRecords::Read(const std::string& path, Replay& replay, std::string& error) {
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

void CRecords::Open(bool on) {
    saving = on;
    for (std::int32_t& best : bests) {
        best = -1;
    }
    if (!saving) {
        return;
    }
    directory = platform::UserDataDirectory("yorun");
    if (directory.empty()) {
        Report("there is no home directory to keep them in (HOME is not set)");
        saving = false;
        return;
    }
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        Replay replay;
        std::string error;
        if (Read(directory + "/" + kBestFiles[difficulty], replay, error) &&
            replay.difficulty == difficulty) {
            bests[difficulty] = replay.maxScore;
        }
        ReadTopTen(difficulty);
    }
}

void CRecords::ReadTopTen(int difficulty) {
    std::vector<Entry>& list = topTen[difficulty];
    list.clear();
    const std::string prefix = std::string(kDifficultyNames[difficulty]) + "-";
    std::error_code failed;
    for (const auto& file : std::filesystem::directory_iterator(directory + "/" + kGamesFolder, failed)) {
        const std::string name = file.path().filename().string();
        if (name.rfind(prefix, 0) != 0 || file.path().extension() != ".yrp") {
            continue;
        }
        Replay replay;
        std::string error;
        // A damaged file is passed over, as a damaged best file is: it is not a game to show.
        if (Read(file.path().string(), replay, error) && replay.difficulty == difficulty) {
            list.push_back(EntryOf(file.path().string(), replay));
        }
    }
    const std::string bestPath = directory + "/" + kBestFiles[difficulty];
    Replay best;
    std::string error;
    if (Read(bestPath, best, error) && best.difficulty == difficulty &&
        std::none_of(list.begin(), list.end(), [&](const Entry& entry) { return SameGame(entry, best); })) {
        list.push_back(EntryOf(bestPath, best));
    }
    std::sort(list.begin(), list.end(), Ranks);
    if (list.size() > static_cast<std::size_t>(kKept)) {
        list.resize(kKept);
    }
}

const std::vector<CRecords::Entry>& CRecords::TopTen(int difficulty) const {
    static const std::vector<Entry> kNone;
    return saving && difficulty >= 0 && difficulty < 3 ? topTen[difficulty] : kNone;
}

bool CRecords::LoadEntry(const Entry& entry, Replay& replay, std::string& error) {
    if (!Read(entry.path, replay, error)) {
        error = "The replay cannot be played: " + error + ".";
        return false;
    }
    return true;
}

void CRecords::KeepInTopTen(const Replay& replay, const std::vector<std::uint8_t>& bytes) {
    const int difficulty = replay.difficulty;
    const std::string folder = directory + "/" + kGamesFolder;
    std::string error;
    if (!platform::MakeDirectories(folder, error)) {
        Report(error);
        return;
    }
    // What other copies of the game have kept since this one last looked.
    ReadTopTen(difficulty);
    std::vector<Entry>& list = topTen[difficulty];
    // A best file from before the games folder existed is copied in, so that a better game replacing it
    // does not take it out of the list.
    for (const Entry& entry : list) {
        if (entry.path.rfind(folder + "/", 0) == 0) {
            continue;
        }
        Replay old;
        std::string unread;
        if (Read(entry.path, old, unread) &&
            Save(std::string(kGamesFolder) + "/" + FreeName(folder, GameFileName(old)), EncodeReplay(old))) {
            ReadTopTen(difficulty);
        }
        break;
    }
    const bool makesIt =
        list.size() < static_cast<std::size_t>(kKept) || replay.maxScore > list.back().maxScore;
    if (makesIt && Save(std::string(kGamesFolder) + "/" + FreeName(folder, GameFileName(replay)), bytes)) {
        ReadTopTen(difficulty);
    }
    // The games that fell out of the ten, of this difficulty only. A file this version cannot read (damaged,
    // or from a newer version) is not known to have fallen out, and stays.
    const std::string prefix = std::string(kDifficultyNames[difficulty]) + "-";
    std::error_code failed;
    for (const auto& file : std::filesystem::directory_iterator(folder, failed)) {
        const std::string path = file.path().string();
        const std::string name = file.path().filename().string();
        Replay unranked;
        std::string unread;
        if (name.rfind(prefix, 0) == 0 && file.path().extension() == ".yrp" &&
            std::none_of(list.begin(), list.end(), [&](const Entry& kept) { return kept.path == path; }) &&
            Read(path, unranked, unread)) {
            std::filesystem::remove(file.path(), failed);
        }
    }
}

std::int32_t CRecords::Best(int difficulty) const {
    return difficulty >= 0 && difficulty < 3 ? bests[difficulty] : -1;
}

void CRecords::Offer(const Replay& replay) {
    if (!saving || replay.difficulty < 0 || replay.difficulty > 2) {
        return;
    }
    std::string error;
    if (!platform::MakeDirectories(directory, error)) {
        Report(error);
        return;
    }
    const std::vector<std::uint8_t> bytes = EncodeReplay(replay);
    // Another copy of the game may have saved a better game since this one read the records: the best is
    // compared again under the lock, from the file itself.
    const platform::FileLock lock(directory + "/" + kLockFile);
    // What a copy killed while saving left behind.
    platform::RemoveLeftovers(directory + "/" + kLastFile);
    platform::RemoveLeftovers(directory + "/" + kBestFiles[replay.difficulty]);
    if (!Save(kLastFile, bytes)) {
        return;
    }
    KeepInTopTen(replay, bytes);
    const std::string bestPath = directory + "/" + kBestFiles[replay.difficulty];
    Replay best;
    std::string unread;
    const bool haveBest = Read(bestPath, best, unread) && best.difficulty == replay.difficulty;
    if (haveBest && best.maxScore >= replay.maxScore) {
        bests[replay.difficulty] = best.maxScore;
        return;
    }
    if (Save(kBestFiles[replay.difficulty], bytes)) {
        bests[replay.difficulty] = replay.maxScore;
    }
}

bool CRecords::Save(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    if (!platform::WriteFileAtomically(directory + "/" + name, bytes, error)) {
        Report(error);
        return false;
    }
    return true;
}

void CRecords::Report(const std::string& problem) {
    // Once a run: a full disk would otherwise say so after every game.
    if (reported) {
        return;
    }
    reported = true;
    Corvane::ReportError("Your records cannot be saved: %s.\nThe game plays on without saving them.",
                         problem.c_str());
}

bool CRecords::Load(const std::string& name, Replay& replay, std::string& error) const {
    std::string path = name;
    for (const char* known : {kBestFiles[0], kBestFiles[1], kBestFiles[2], kLastFile}) {
        if (name + ".yrp" == known) {
            const std::string home = platform::UserDataDirectory("yorun");
            if (home.empty()) {
                error = "there are no records here (HOME is not set)";
                return false;
            }
            path = home + "/" + known;
        }
    }
    if (!Read(path, replay, error)) {
        error = "The replay cannot be played: " + error + ".";
        return false;
    }
    return true;
}

}  // namespace Yorun
