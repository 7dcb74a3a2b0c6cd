#include "platform/system/RepeatingTask.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform {

// A thread that sleeps on a condition between rounds, so that a stop wakes it at once.
class RepeatingTask::Runner {
public:
    Runner(std::function<void()> round, std::chrono::milliseconds interval)
        : round(std::move(round)), interval(interval) {}

    void Start() { thread = std::thread(&Runner::Run, this); }

    void Stop() {
        {
            const std::lock_guard<std::mutex> guard(mutex);
            stopRequest = true;
        }
        wake.notify_all();
        if (thread.joinable()) {
            thread.join();
        }
    }

private:
    void Run() {
        std::unique_lock<std::mutex> lock(mutex);
        while (!stopRequest) {
            lock.unlock();
            round();
            lock.lock();
            wake.wait_for(lock, interval, [this] { return stopRequest; });
        }
    }

    std::function<void()> round;
    std::chrono::milliseconds interval;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopRequest = false;
};

RepeatingTask::RepeatingTask() = default;

RepeatingTask::~RepeatingTask() {
    Stop();
}

bool RepeatingTask::Start(std::function<void()> round, std::chrono::milliseconds interval) {
    if (runner != nullptr) {
        return true;
    }
    auto started = std::make_unique<Runner>(std::move(round), interval);
    try {
        started->Start();
    } catch (const std::system_error&) {
        return false;
    }
    runner = std::move(started);
    return true;
}

void RepeatingTask::Stop() {
    if (runner != nullptr) {
        runner->Stop();
        runner.reset();
    }
}

bool RepeatingTask::IsRunning() const {
    return runner != nullptr;
}

void RunRepeatingTasks() {}

}  // namespace platform
