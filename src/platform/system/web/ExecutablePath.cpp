#include "platform/system/ExecutablePath.h"

#include <cstdio>

namespace platform {

// The page's file system holds the game where the desktop install would: the program's directory beside the
// data directories, which the page's data package puts under /yorun.
std::size_t GetExecutablePath(char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const int length = std::snprintf(buffer, size, "%s", "/yorun/bin/yorun");
    return length > 0 && static_cast<std::size_t>(length) < size ? static_cast<std::size_t>(length) : 0;
}

}  // namespace platform
