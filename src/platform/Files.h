#pragma once

#include <cstddef>

namespace platform {

// Writes the running executable's full path (links resolved) into the buffer, cut to fit and always
// terminated. Returns the length written, 0 when it cannot be read.
std::size_t GetExecutablePath(char* buffer, std::size_t size);

// Makes the directory the process's current directory. An empty path means the root directory.
bool SetCurrentDirectory(const char* path);

// Writes the current directory into the buffer; false (and an empty buffer) when it does not fit.
bool GetCurrentDirectory(char* buffer, std::size_t size);

}  // namespace platform
