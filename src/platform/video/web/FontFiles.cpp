#include "platform/video/FontFiles.h"

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// The page's data package carries the fonts the game may ask for, under these names.
struct PackedFont {
    const char* family;
    const char* file;
};
constexpr PackedFont kPackedFonts[] = {
    {"DejaVu Sans Mono", "/yorun/fonts/DejaVuSansMono.ttf"},
};

bool Exists(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

}  // namespace

std::string FindFontFile(const char* const* families, int familyCount) {
    for (int index = 0; index < familyCount; ++index) {
        for (const PackedFont& font : kPackedFonts) {
            if (std::strcmp(font.family, families[index]) == 0 && Exists(font.file)) {
                return font.file;
            }
        }
    }
    return {};
}

}  // namespace platform
