// Arbitrary bytes as an Ogg Vorbis file held in memory: opening it, the data source callbacks with
// offsets and item sizes taken from the bytes themselves, and decoding it through OggDecoder::Read, once
// to its end and once looping, a bounded number of buffers each.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "FuzzFiles.h"
#include "sound/OggDecoder.h"
#include "sound/OggVorbisMemory.h"

namespace {

constexpr int kBufferBytes = 4096;
constexpr int kBuffersPerPass = 64;

void Decode(const Dix::sp<Dix::OggVorbisResource>& resource, bool loop) {
    Dix::OggDecoder decoder(resource);
    if (!decoder.IsReady()) {
        return;
    }
    decoder.SetLoop(loop);
    std::vector<char> buffer(kBufferBytes);
    for (int pass = 0; pass < kBuffersPerPass; ++pass) {
        int written = 0;
        bool ended = false;
        if (!decoder.Read(buffer.data(), kBufferBytes, &written, &ended) || written < 0 ||
            written > kBufferBytes) {
            std::abort();
        }
        if (ended) {
            break;
        }
    }
    decoder.Rewind();
}

void DriveCallbacks(Dix::OggVorbisMemory& memory, const std::uint8_t* data, std::size_t size) {
    char scratch[64];
    for (std::size_t index = 0; index + 9 <= size && index < 90; index += 9) {
        std::int64_t offset = 0;
        for (int byte = 0; byte < 8; ++byte) {
            offset = static_cast<std::int64_t>(static_cast<std::uint64_t>(offset) << 8 | data[index + byte]);
        }
        const int whence = data[index + 8] % 4;
        Dix::OggVorbisMemory::Seek(&memory, offset, whence);
        const long position = Dix::OggVorbisMemory::Tell(&memory);
        if (position < 0 || position > memory.GetSize()) {
            std::abort();
        }
        const std::size_t itemSize = data[index + 8] % 9;
        const std::size_t items = itemSize == 0 ? 1 : sizeof(scratch) / itemSize;
        Dix::OggVorbisMemory::Read(scratch, itemSize, items, &memory);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzing::ScratchDirectory() + "/sound.ogg";
    if (!fuzzing::WriteFile(path, data, size)) {
        return 0;
    }
    auto memory = std::make_shared<Dix::OggVorbisMemory>();
    if (!memory->Open(path.c_str())) {
        return 0;
    }
    Decode(memory, false);
    Decode(memory, true);
    DriveCallbacks(*memory, data, size);
    return 0;
}
