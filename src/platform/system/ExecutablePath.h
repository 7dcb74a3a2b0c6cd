#pragma once

#include <cstddef>

namespace platform {

// Writes the running executable's full path (links resolved) into the buffer, cut to fit and always
// terminated. Returns the length written, 0 when it cannot be read. Each kind of system finds it its own
// way: the implementation is the system's own file (linux/ExecutablePath.cpp here).
std::size_t GetExecutablePath(char* buffer, std::size_t size);

}  // namespace platform
