#include "game/replay/Records.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/ErrorReport.h"
#include "platform/system/DataFiles.h"

namespace Yorun {

namespace {
constexpr const char* kRecordNames[4] = {"best-easy", "best-normal", "best-hard", "last"};
}  // namespace

void CRecords::Open(bool on) {
    saving = on;
    shown = RecordsSnapshot{};
    if (!saving) {
        return;
    }
    directory = platform::UserDataDirectory("yorun");
    if (directory.empty()) {
        Report("there is no home directory to keep them in (HOME is not set)");
        saving = false;
        return;
    }
    std::string problem;
    shown = CRecordFiles(directory).Read(problem);
    if (!problem.empty()) {
        Report(problem);
    }
}

std::int32_t CRecords::Best(int difficulty) const {
    return difficulty >= 0 && difficulty < 3 ? shown.bests[difficulty] : -1;
}

const std::vector<CRecords::Entry>& CRecords::TopTen(int difficulty) const {
    static const std::vector<Entry> kNone;
    return saving && difficulty >= 0 && difficulty < 3 ? shown.topTen[difficulty] : kNone;
}

void CRecords::Offer(const Replay& replay) {
    if (!saving || replay.difficulty < 0 || replay.difficulty > 2) {
        return;
    }
    std::int32_t& best = shown.bests[replay.difficulty];
    best = std::max(best, replay.maxScore);
    worker.Post([this, files = CRecordFiles(directory), replay](const std::atomic<bool>& giveUp) {
        std::string problem;
        RecordsSnapshot after = files.Save(replay, giveUp, problem);
        Deliver(std::move(after), problem);
    });
}

void CRecords::Refresh() {
    if (!saving) {
        return;
    }
    worker.Post([this, files = CRecordFiles(directory)](const std::atomic<bool>& /*giveUp*/) {
        std::string problem;
        RecordsSnapshot now = files.Read(problem);
        Deliver(std::move(now), problem);
    });
}

void CRecords::Deliver(RecordsSnapshot snapshot, const std::string& problem) {
    const std::lock_guard<std::mutex> guard(arrivalMutex);
    arrived = std::move(snapshot);
    if (arrivedProblem.empty()) {
        arrivedProblem = problem;
    }
}

void CRecords::Collect() {
    if (!saving) {
        return;
    }
    std::string problem;
    {
        const std::lock_guard<std::mutex> guard(arrivalMutex);
        if (arrived.has_value()) {
            shown = std::move(*arrived);
            arrived.reset();
        }
        problem.swap(arrivedProblem);
    }
    if (!problem.empty()) {
        Report(problem);
    }
}

void CRecords::Finish(std::chrono::milliseconds limit) {
    const bool done = worker.Finish(limit);
    // A job that gave up says why itself; this is for one that never began.
    Collect();
    if (!done) {
        Report("their files could not be written in time; the last game was not saved");
    }
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

bool CRecords::NamesRecord(const std::string& word) {
    return std::find(std::begin(kRecordNames), std::end(kRecordNames), word) != std::end(kRecordNames);
}

bool CRecords::LoadEntry(const Entry& entry, Replay& replay, std::string& error) {
    if (!CRecordFiles::ReadReplay(entry.path, replay, error)) {
        error = "The replay cannot be played: " + error + ".";
        return false;
    }
    return true;
}

bool CRecords::Load(const std::string& name, Replay& replay, std::string& error) const {
    std::string path = name;
    if (NamesRecord(name)) {
        const std::string home = platform::UserDataDirectory("yorun");
        if (home.empty()) {
            error = "there are no records here (HOME is not set)";
            return false;
        }
        path = home + "/" + name + ".yrp";
    }
    if (!CRecordFiles::ReadReplay(path, replay, error)) {
        error = "The replay cannot be played: " + error + ".";
        return false;
    }
    return true;
}

}  // namespace Yorun
