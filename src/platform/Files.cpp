#include "platform/Files.h"

#include <unistd.h>

#include <cstring>

namespace platform {

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

bool SetCurrentDirectory(const char* path) {
    if (path == nullptr) {
        return false;
    }
    return chdir(path[0] == '\0' ? "/" : path) == 0;
}

bool GetCurrentDirectory(char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return false;
    }
    if (getcwd(buffer, size) == nullptr) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace platform
