#include "platform/system/FileWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform {

// A thread started with the first job, that sleeps on a condition while there is none.
class FileWorker::Runner {
public:
    void Post(Job job) {
        std::unique_lock<std::mutex> lock(mutex);
        if (!thread.joinable() && !Start()) {
            // Without a thread of its own the job runs here, on the caller's time but in order.
            lock.unlock();
            const std::atomic<bool> never{false};
            job(never);
            return;
        }
        jobs.push_back(std::move(job));
        lock.unlock();
        changed.notify_all();
    }

    bool Finish(std::chrono::milliseconds limit) {
        std::unique_lock<std::mutex> lock(mutex);
        if (changed.wait_for(lock, limit, [this] { return jobs.empty() && !busy; })) {
            return true;
        }
        jobs.clear();
        giveUp = true;
        changed.notify_all();
        changed.wait(lock, [this] { return !busy; });
        giveUp = false;
        return false;
    }

    void Stop() {
        {
            const std::lock_guard<std::mutex> guard(mutex);
            stopping = true;
        }
        changed.notify_all();
        if (thread.joinable()) {
            thread.join();
        }
    }

private:
    // Under the mutex.
    bool Start() {
        try {
            thread = std::thread(&Runner::Run, this);
        } catch (const std::system_error&) {
            return false;
        }
        return true;
    }

    void Run() {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (jobs.empty()) {
                return;
            }
            Job job = std::move(jobs.front());
            jobs.pop_front();
            busy = true;
            lock.unlock();
            job(giveUp);
            lock.lock();
            busy = false;
            changed.notify_all();
        }
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs;
    bool busy = false;      // a job is under way
    bool stopping = false;  // the worker goes: the thread ends once the jobs are done
    std::atomic<bool> giveUp{false};
    std::thread thread;
};

FileWorker::FileWorker() : runner(std::make_unique<Runner>()) {}

FileWorker::~FileWorker() {
    Finish();
    runner->Stop();
}

void FileWorker::Post(Job job) {
    runner->Post(std::move(job));
}

bool FileWorker::Finish(std::chrono::milliseconds limit) {
    return runner->Finish(limit);
}

}  // namespace platform
