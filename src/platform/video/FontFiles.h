#pragma once

#include <string>

namespace platform {

// The file of the first installed font among the families; empty when none is. Each system finds its fonts
// its own way: the implementation is the system's own file (linux/FontFiles.cpp asks fontconfig).
std::string FindFontFile(const char* const* families, int familyCount);

}  // namespace platform
