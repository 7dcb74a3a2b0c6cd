#include "platform/system/CurrentDirectory.h"

#include <unistd.h>

namespace platform {

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
