#include "game/replay/Records.h"

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
