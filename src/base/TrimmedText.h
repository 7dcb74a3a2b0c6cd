#pragma once

#include <string_view>

namespace Corvane {

// The text without the spaces, tabs and carriage returns at either end.
inline std::string_view TrimmedText(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace Corvane
