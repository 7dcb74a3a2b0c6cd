// Arbitrary bytes as a replay file: read as they are, then again with their checksum made right so that
// the reader's own checks of every count and value are explored, and as the player's record on disk read by
// the records. What is read must write back to a file that reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "base/Fnv1a.h"
#include "game/replay/Records.h"
#include "game/replay/Replay.h"
#include "platform/system/DataFiles.h"

namespace {

constexpr std::size_t kChecksumBytes = 8;

void ReadBack(const Yorun::Replay& replay) {
    const std::vector<std::uint8_t> written = Yorun::EncodeReplay(replay);
    Yorun::Replay again;
    std::string error;
    if (!Yorun::DecodeReplay(written.data(), written.size(), again, error) ||
        again.frames.size() != replay.frames.size() || again.maxScore != replay.maxScore ||
        again.difficulty != replay.difficulty || again.generator != replay.generator) {
        std::abort();
    }
}

void Read(const std::uint8_t* data, std::size_t size) {
    Yorun::Replay replay;
    std::string error;
    if (Yorun::DecodeReplay(data, size, replay, error)) {
        ReadBack(replay);
    } else if (error.empty()) {
        std::abort();
    }
}

std::vector<std::uint8_t> WithChecksumMadeRight(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    if (bytes.size() < kChecksumBytes) {
        return bytes;
    }
    const std::uint64_t hash = Corvane::Fnv1a::Of(bytes.data(), bytes.size() - kChecksumBytes);
    for (std::size_t byte = 0; byte < kChecksumBytes; ++byte) {
        bytes[bytes.size() - kChecksumBytes + byte] = static_cast<std::uint8_t>(hash >> (8 * byte));
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Read(data, size);
    const std::vector<std::uint8_t> fixed = WithChecksumMadeRight(data, size);
    Read(fixed.data(), fixed.size());

    // The same bytes as the best easy game on disk: a record the records read must be one they can load.
    static const std::string home = [] {
        std::string directory = fuzzing::ScratchDirectory();
        setenv("XDG_DATA_HOME", directory.c_str(), 1);
        std::string error;
        if (!platform::MakeDirectories(directory + "/yorun", error)) {
            std::abort();
        }
        return directory;
    }();
    if (!fuzzing::WriteFile(home + "/yorun/best-easy.yrp", fixed.data(), fixed.size())) {
        std::abort();
    }
    Yorun::CRecords records;
    records.Open(true);
    Yorun::Replay replay;
    std::string error;
    const std::int32_t best = records.Best(0);
    const bool loaded = records.Load("best-easy", replay, error);
    if (best >= 0 && (!loaded || replay.maxScore != best)) {
        std::abort();
    }
    return 0;
}
