#pragma once

#include <atomic>
#include <string>

namespace platform {

// An exclusive lock on a lock file, held while the object lives, so that programs that read, compare and
// replace the same files take turns. It waits for the lock until it has it or `giveUp` turns true; a lock
// that cannot be had at all (the directory cannot be written) is no lock at all: the caller goes on alone.
// Only what runs off the frames waits here (FileWorker's jobs). Each kind of system locks its own way: the
// implementation is the system's own file (linux/FileLock.cpp here).
class FileLock {
public:
    FileLock(const std::string& path, const std::atomic<bool>& giveUp);
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // True when the wait was given up: another program holds the lock and the files are not to be touched.
    bool GaveUp() const { return gaveUp; }

private:
    // The lock file's, where the system locks files (a browser's page locks none).
    [[maybe_unused]] int descriptor = -1;
    bool gaveUp = false;
};

}  // namespace platform
