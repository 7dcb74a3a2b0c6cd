// Arbitrary directory and file names given to the texture list: the bytes up to the first zero are the
// directory, the rest the file name (absent when there is no zero). The run's scratch directory is the
// current directory and holds pics/a.bmp, so some names find a real file.
// Corpus directories must be given as absolute paths.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzFiles.h"
#include "app/Graphics.h"
#include "resources/TextureList.h"

namespace {

// A 2 × 2 24-bit BMP: a magenta (keyed) pixel and three others.
const std::uint8_t kSmallBmp[] = {
    'B', 'M', 70,  0, 0,   0,   0, 0, 0, 0, 54, 0, 0, 0,  // file header
    40,  0,   0,   0, 2,   0,   0, 0, 2, 0, 0,  0, 1, 0, 24, 0,
    0,   0,   0,   0, 16,  0,   0, 0,                            // information header
    0,   0,   0,   0, 0,   0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0,  //
    255, 0,   255, 0, 255, 0,   0, 0,                            // bottom row, padded
    255, 0,   0,   0, 0,   255, 0, 0,                            // top row, padded
};

bool Prepare() {
    static const bool prepared = [] {
        if (!fuzzing::StartHeadlessGraphics()) {
            return false;
        }
        const std::string& directory = fuzzing::ScratchDirectory();
        if (chdir(directory.c_str()) != 0) {
            return false;
        }
        if (mkdir("pics", 0700) != 0) {
            return false;
        }
        return fuzzing::WriteFile("pics/a.bmp", kSmallBmp, sizeof(kSmallBmp));
    }();
    return prepared;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!Prepare()) {
        std::abort();
    }
    const auto* text = reinterpret_cast<const char*>(data);
    const void* zero = std::memchr(text, 0, size);
    const std::size_t directoryLength =
        zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : size;
    const std::string directory(text, directoryLength);
    const bool hasName = zero != nullptr;
    const std::string name =
        hasName ? std::string(text + directoryLength + 1, size - directoryLength - 1) : "";

    Corvane::CTextureList& list = *Corvane::g_pTextureList;
    Corvane::TextureEntry* first =
        list.Load(directory.c_str(), hasName ? name.c_str() : nullptr, 1.0f, 0.0f, 1.0f, 1.0f);
    if (first != nullptr) {
        if (!first->loaded || first->texture == nullptr || first->imageWidth != 2 ||
            first->imageHeight != 2 || std::strlen(first->path) >= sizeof(first->path)) {
            std::abort();
        }
        // A second request for the same names is served from the cache.
        if (list.Load(directory.c_str(), hasName ? name.c_str() : nullptr, 0.0f, 0.0f, 0.0f, 0.0f) != first) {
            std::abort();
        }
    }
    list.Destroy();
    return 0;
}
