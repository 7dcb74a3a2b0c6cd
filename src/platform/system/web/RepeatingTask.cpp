#include "platform/system/RepeatingTask.h"

#include <algorithm>
#include <vector>

#include "platform/system/Clock.h"

namespace platform {

namespace {

std::vector<RepeatingTask::Runner*>& Runners() {
    static std::vector<RepeatingTask::Runner*> runners;
    return runners;
}

}  // namespace

// The browser's page has one thread: the frame loop runs each task's round when its time has come.
class RepeatingTask::Runner {
public:
    Runner(std::function<void()> round, std::chrono::milliseconds interval)
        : round(std::move(round)), interval(interval) {}

    void RunIfDue(std::uint32_t now) {
        if (ranOnce && now - lastRound < static_cast<std::uint32_t>(interval.count())) {
            return;
        }
        ranOnce = true;
        lastRound = now;
        round();
    }

private:
    std::function<void()> round;
    std::chrono::milliseconds interval;
    std::uint32_t lastRound = 0;
    bool ranOnce = false;
};

RepeatingTask::RepeatingTask() = default;

RepeatingTask::~RepeatingTask() {
    Stop();
}

bool RepeatingTask::Start(std::function<void()> round, std::chrono::milliseconds interval) {
    if (runner != nullptr) {
        return true;
    }
    // The first round comes at the loop's next turn, not here: the caller may hold the lock round takes.
    runner = std::make_unique<Runner>(std::move(round), interval);
    Runners().push_back(runner.get());
    return true;
}

void RepeatingTask::Stop() {
    if (runner != nullptr) {
        auto& runners = Runners();
        runners.erase(std::remove(runners.begin(), runners.end(), runner.get()), runners.end());
        runner.reset();
    }
}

bool RepeatingTask::IsRunning() const {
    return runner != nullptr;
}

void RunRepeatingTasks() {
    const std::uint32_t now = GetClock().Milliseconds();
    // A copy: a round may start or stop a task.
    const std::vector<RepeatingTask::Runner*> due = Runners();
    for (RepeatingTask::Runner* runner : due) {
        if (std::find(Runners().begin(), Runners().end(), runner) != Runners().end()) {
            runner->RunIfDue(now);
        }
    }
}

}  // namespace platform
