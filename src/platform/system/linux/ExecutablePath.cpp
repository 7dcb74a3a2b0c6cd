#include "platform/system/ExecutablePath.h"

#include <unistd.h>

namespace platform {

// The kernel keeps a link to the running executable, with every link on the way to it already resolved, so
// the program finds its data whether it was started through a link in a bin directory or by its own path.
std::size_t GetExecutablePath(char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const ssize_t length = readlink("/proc/self/exe", buffer, size - 1);
    if (length <= 0) {
        buffer[0] = '\0';
        return 0;
    }
    buffer[length] = '\0';
    return static_cast<std::size_t>(length);
}

}  // namespace platform
