#pragma once

#include <cstddef>

namespace platform {

// Makes the directory the process's current directory. An empty path means the root directory.
bool SetCurrentDirectory(const char* path);

// Writes the current directory into the buffer; false (and an empty buffer) when it does not fit.
bool GetCurrentDirectory(char* buffer, std::size_t size);

}  // namespace platform
