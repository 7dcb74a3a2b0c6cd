#include "platform/system/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace platform {

namespace {
// How often a lock another program holds is asked for again.
constexpr std::chrono::milliseconds kRetry{10};
}  // namespace

// flock rather than a record lock: it belongs to the open file, not to the process, so two copies of the
// program and two threads of one both take turns. It is asked for without waiting, again and again, so that
// a program stopped while it holds the lock (Ctrl+Z) cannot keep this one waiting beyond giveUp.
FileLock::FileLock(const std::string& path, const std::atomic<bool>& giveUp) {
    descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return;
    }
    while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK || giveUp.load()) {
            gaveUp = errno == EWOULDBLOCK;
            close(descriptor);
            descriptor = -1;
            return;
        }
        std::this_thread::sleep_for(kRetry);
    }
}

FileLock::~FileLock() {
    if (descriptor >= 0) {
        flock(descriptor, LOCK_UN);
        close(descriptor);
    }
}

}  // namespace platform
