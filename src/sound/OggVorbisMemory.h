#pragma once

#include <cstddef>

#include "sound/OggVorbisResource.h"

namespace Dix {

// An Ogg Vorbis file held wholly in memory. Copies made by Clone share the bytes and have their own read
// position and decoding state, so one file can be decoded by several players at once.
class OggVorbisMemory : public OggVorbisResource {
public:
    OggVorbisMemory();
    explicit OggVorbisMemory(const char* fileName);
    ~OggVorbisMemory() override;

    // Reads the whole file and opens it for decoding; false (and closed) when the file cannot be read or
    // is not Ogg Vorbis.
    bool Open(const char* fileName);
    void Close() override;
    sp<OggVorbisResource> Clone() override;

    const char* GetFileName() const { return fileName; }
    const sp<char[]>& GetData() const { return data; }
    int GetSize() const { return size; }
    int GetPosition() const { return pos; }

    // The data source callbacks given to vorbisfile, `source` being the memory object.
    static std::size_t Read(void* dest, std::size_t itemSize, std::size_t items, void* source);
    static int Seek(void* source, ogg_int64_t offset, int whence);
    static int CloseSource(void* source);
    static long Tell(void* source);
    static const ov_callbacks kCallbacks;

private:
    static constexpr int kFileNameSize = 256;

    bool OpenStream();

    char fileName[kFileNameSize] = {};
    sp<char[]> data;
    int size = 0;
    int pos = 0;
};

}  // namespace Dix
