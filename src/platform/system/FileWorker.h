#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace platform {

// Runs the work on the user's files (reading, comparing and replacing them under their lock, syncing them
// to the disk) off the frames, one job at a time in the order the jobs were given, so that no frame waits
// for a lock or a disk. Where the system has threads the jobs run on a thread of the worker's own
// (linux/FileWorker.cpp). A browser's page has one thread: there the page runs them between its frames,
// each under a lock that every tab of the page shares, with the kept files read again from the browser's
// storage before it and written back after it (web/FileWorker.cpp).
class FileWorker {
public:
    // A job. `giveUp` turns true when the worker is finished past its time: a job waiting for a lock then
    // stops waiting (FileLock), and leaves the files as they are.
    using Job = std::function<void(const std::atomic<bool>& giveUp)>;

    // How long Finish waits by default: long enough for any disk, short enough for a player quitting.
    static constexpr std::chrono::milliseconds kFinishLimit{5000};

    FileWorker();
    // Finishes, as Finish does with its default limit.
    ~FileWorker();

    FileWorker(const FileWorker&) = delete;
    FileWorker& operator=(const FileWorker&) = delete;

    // Queues the job; it runs after every job given before it.
    void Post(Job job);
    // Waits until every job given so far has run, for at most the given time. False when the time ran out
    // (a job is waiting for a lock that another program holds and does not let go): the job under way is
    // then told to give up and is waited for, and the jobs not yet started are dropped.
    bool Finish(std::chrono::milliseconds limit = kFinishLimit);

    class Runner;

private:
    std::unique_ptr<Runner> runner;
};

}  // namespace platform
