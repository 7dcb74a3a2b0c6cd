#include "sound/OggVorbisMemory.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace Dix {

const ov_callbacks OggVorbisMemory::kCallbacks = {&OggVorbisMemory::Read, &OggVorbisMemory::Seek,
                                                  &OggVorbisMemory::CloseSource, &OggVorbisMemory::Tell};

OggVorbisMemory::OggVorbisMemory() = default;

OggVorbisMemory::OggVorbisMemory(const char* fileName) {
    Open(fileName);
}

OggVorbisMemory::~OggVorbisMemory() {
    Close();
}

bool OggVorbisMemory::Open(const char* name) {
    Close();
    if (name == nullptr) {
        return false;
    }
    std::FILE* stream = std::fopen(name, "rb");
    if (stream == nullptr) {
        return false;
    }
    long length = -1;
    if (std::fseek(stream, 0, SEEK_END) == 0) {
        length = std::ftell(stream);
    }
    // The callbacks count in int; a file too long for that cannot be played from memory.
    if (length < 0 || length > std::numeric_limits<int>::max() || std::fseek(stream, 0, SEEK_SET) != 0) {
        std::fclose(stream);
        return false;
    }
    // std::make_shared<char[]> would do, but the browser's C++ library predates it.
    data = sp<char[]>(new char[static_cast<std::size_t>(length)]());
    size = static_cast<int>(length);
    const std::size_t got = std::fread(data.get(), 1, static_cast<std::size_t>(length), stream);
    std::fclose(stream);
    if (got != static_cast<std::size_t>(length) || !OpenStream()) {
        Close();
        return false;
    }
    std::snprintf(fileName, sizeof(fileName), "%s", name);
    isOpen = true;
    return true;
}

bool OggVorbisMemory::OpenStream() {
    pos = 0;
    return ov_open_callbacks(this, &file, nullptr, 0, kCallbacks) == 0;
}

void OggVorbisMemory::Close() {
    size = 0;
    pos = 0;
    data.reset();
    OggVorbisResource::Close();
}

sp<OggVorbisResource> OggVorbisMemory::Clone() {
    if (!isOpen) {
        return {};
    }
    auto copy = std::make_shared<OggVorbisMemory>();
    copy->data = data;
    copy->size = size;
    std::memcpy(copy->fileName, fileName, sizeof(fileName));
    if (!copy->OpenStream()) {
        copy->Close();
        return {};
    }
    copy->isOpen = true;
    return copy;
}

std::size_t OggVorbisMemory::Read(void* dest, std::size_t itemSize, std::size_t items, void* source) {
    auto* memory = static_cast<OggVorbisMemory*>(source);
    // An item size of 0 would divide by zero; nothing can be delivered in items of no size anyway.
    if (dest == nullptr || itemSize == 0) {
        return 0;
    }
    std::size_t count = static_cast<std::size_t>(memory->size - memory->pos) / itemSize;
    if (count > items) {
        count = items;
    }
    const std::size_t bytes = count * itemSize;
    if (bytes > 0) {
        std::memcpy(dest, memory->data.get() + memory->pos, bytes);
    }
    memory->pos += static_cast<int>(bytes);
    return count;
}

int OggVorbisMemory::Seek(void* source, ogg_int64_t offset, int whence) {
    auto* memory = static_cast<OggVorbisMemory*>(source);
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(offset));
    // Worked out wide: an int sum could overflow before it is clamped.
    std::int64_t target = 0;
    switch (whence) {
        case SEEK_SET:
            target = low;
            break;
        case SEEK_CUR:
            target = static_cast<std::int64_t>(memory->pos) + low;
            break;
        case SEEK_END:
            target = static_cast<std::int64_t>(memory->size) + low;
            break;
        default:
            return -1;
    }
    if (target > memory->size) {
        memory->pos = memory->size;
        return -1;
    }
    if (target < 0) {
        memory->pos = 0;
        return -1;
    }
    memory->pos = static_cast<int>(target);
    return 0;
}

int OggVorbisMemory::CloseSource(void*) {
    return 0;
}

long OggVorbisMemory::Tell(void* source) {
    return static_cast<OggVorbisMemory*>(source)->pos;
}

}  // namespace Dix
