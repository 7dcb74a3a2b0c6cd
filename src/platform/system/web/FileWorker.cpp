#include "platform/system/FileWorker.h"

#include <emscripten.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/system/Clock.h"

namespace platform {

namespace {

// Asks the page for a turn at the files: it calls yorun_run_file_jobs under the lock its tabs share, with
// the stored files read again first, and keeps what the jobs wrote afterwards. A page that offers no turns
// (a program run outside the game's page) runs the jobs at its next idle moment.
// clang-format off
EM_JS(void, RequestFileTurn, (), {
    var run = function() { _yorun_run_file_jobs(); };
    if (typeof Module.takeFileTurn == "function") {
        Module.takeFileTurn(run);
    } else {
        setTimeout(run, 0);
    }
});
// clang-format on

std::vector<FileWorker::Runner*>& Runners() {
    static std::vector<FileWorker::Runner*> runners;
    return runners;
}

bool turnRequested = false;
// The millisecond a page's thread sleeps while it waits for a turn to come round.
constexpr unsigned kWaitStep = 10;

void RequestTurn() {
    if (!turnRequested) {
        turnRequested = true;
        RequestFileTurn();
    }
}

}  // namespace

class FileWorker::Runner {
public:
    Runner() { Runners().push_back(this); }
    ~Runner() { std::erase(Runners(), this); }

    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    void Post(Job job) {
        jobs.push_back(std::move(job));
        RequestTurn();
    }

    void RunJobs() {
        const std::atomic<bool> never{false};
        while (!jobs.empty()) {
            Job job = std::move(jobs.front());
            jobs.pop_front();
            job(never);
        }
    }

    bool Finish(std::chrono::milliseconds limit) {
        // The page runs the turn while this waits: the sleep hands it the thread (through Asyncify).
        const std::uint32_t start = GetClock().Milliseconds();
        while (!jobs.empty()) {
            if (GetClock().Milliseconds() - start >= static_cast<std::uint32_t>(limit.count())) {
                jobs.clear();
                return false;
            }
            emscripten_sleep(kWaitStep);
        }
        return true;
    }

private:
    std::deque<Job> jobs;
};

FileWorker::FileWorker() : runner(std::make_unique<Runner>()) {}

FileWorker::~FileWorker() {
    Finish();
}

void FileWorker::Post(Job job) {
    runner->Post(std::move(job));
}

bool FileWorker::Finish(std::chrono::milliseconds limit) {
    return runner->Finish(limit);
}

}  // namespace platform

// The page's turn at the files has come: every job waiting runs now, in the order given.
extern "C" EMSCRIPTEN_KEEPALIVE void yorun_run_file_jobs() {
    platform::turnRequested = false;
    // A copy: a job may end a worker's life.
    const std::vector<platform::FileWorker::Runner*> runners = platform::Runners();
    for (platform::FileWorker::Runner* runner : runners) {
        if (std::find(platform::Runners().begin(), platform::Runners().end(), runner) !=
            platform::Runners().end()) {
            runner->RunJobs();
        }
    }
}
