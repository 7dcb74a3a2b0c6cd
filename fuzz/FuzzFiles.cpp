#include "FuzzFiles.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/Graphics.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace fuzzing {

namespace {

std::string MakeScratchDirectory() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/yorun-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

// libFuzzer ends a timed run through exit(), which runs this destructor, so the scratch files
// go with the run.
struct ScratchDirectoryOwner {
    std::string path = MakeScratchDirectory();

    ~ScratchDirectoryOwner() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::string& ScratchDirectory() {
    static const ScratchDirectoryOwner directory;
    return directory.path;
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (stream == nullptr) {
        return false;
    }
    const bool whole = size == 0 || std::fwrite(data, 1, size, stream) == size;
    return std::fclose(stream) == 0 && whole;
}

bool StartHeadlessGraphics() {
    static const bool started = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform::InitVideo("Yorun");
        Corvane::g_pGraphics = new Corvane::CGraphics;
        Corvane::g_pGraphics->Create(nullptr, 64, 64, false);
        return Corvane::g_pDevice != nullptr;
    }();
    return started;
}

}  // namespace fuzzing
