#pragma once

#include <cstddef>
#include <cstring>

namespace Corvane {

// Copies as much of the text as fits, always terminated. Fixed-size text fields keep what fits of a longer
// name; callers that must not act on a cut name check the length first.
inline void CopyText(char* destination, std::size_t size, const char* source) {
    if (size == 0) {
        return;
    }
    const std::size_t length = source != nullptr ? strnlen(source, size - 1) : 0;
    if (length > 0) {
        std::memcpy(destination, source, length);
    }
    destination[length] = '\0';
}

}  // namespace Corvane
