#include "platform/system/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

// flock rather than a record lock: it belongs to the open file, not to the process, so two copies of the
// program and two threads of one both take turns.
FileLock::FileLock(const std::string& path) {
    descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return;
    }
    while (flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(descriptor);
            descriptor = -1;
            return;
        }
    }
}

FileLock::~FileLock() {
    if (descriptor >= 0) {
        flock(descriptor, LOCK_UN);
        close(descriptor);
    }
}

}  // namespace platform
