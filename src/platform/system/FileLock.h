#pragma once

#include <string>

namespace platform {

// An exclusive lock on a lock file, held while the object lives, so that programs that read, compare and
// replace the same files take turns. Waits for the lock. A lock that cannot be had (the directory cannot be
// written) is no lock at all: the caller goes on alone. Each kind of system locks its own way: the
// implementation is the system's own file (linux/FileLock.cpp here).
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int descriptor = -1;
};

}  // namespace platform
