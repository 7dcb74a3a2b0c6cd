#pragma once

#include "sound/OggVorbisResource.h"
#include "sound/PCMDecoder.h"

namespace Dix {

// Decodes an Ogg Vorbis stream to 16-bit signed little-endian PCM, looping seamlessly when asked.
class OggDecoder : public PCMDecoder {
public:
    OggDecoder() = default;
    explicit OggDecoder(const sp<OggVorbisResource>& resource);
    ~OggDecoder() override;

    bool Read(void* buffer, int bytes, int* written, bool* ended) override;
    bool Rewind() override;
    sp<PCMDecoder> Clone() override;
    void Clear() override;
    // Decodes its own copy of the resource's stream; false when the resource is empty or not open.
    bool Open(const sp<OggVorbisResource>& source);

private:
    // vorbisfile's largest helpful request: one chunk per call.
    static constexpr int kChunkBytes = 4096;
    // Errors in a row after which a damaged stream is taken to have ended.
    static constexpr int kErrorsBeforeEnd = 8;

    sp<OggVorbisResource> resource;
};

}  // namespace Dix
