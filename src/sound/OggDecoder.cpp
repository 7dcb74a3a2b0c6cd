#include "sound/OggDecoder.h"

#include <algorithm>
#include <cstring>

namespace Dix {

OggDecoder::OggDecoder(const sp<OggVorbisResource>& resource) {
    Open(resource);
}

OggDecoder::~OggDecoder() {
    resource.reset();
}

void OggDecoder::Clear() {
    PCMDecoder::Clear();
}

bool OggDecoder::Open(const sp<OggVorbisResource>& source) {
    Clear();
    if (source == nullptr || !source->IsOpen()) {
        return false;
    }
    resource = source->Clone();
    if (resource == nullptr) {
        return false;
    }
    const vorbis_info* info = ov_info(resource->GetFile(), -1);
    if (info == nullptr) {
        resource.reset();
        return false;
    }
    channels = info->channels;
    samplesPerSec = static_cast<int>(info->rate);
    bitsPerSample = 16;
    ready = true;
    return true;
}

sp<PCMDecoder> OggDecoder::Clone() {
    auto copy = std::make_shared<OggDecoder>();
    if (resource != nullptr && resource->IsOpen()) {
        copy->Open(resource);
    }
    return copy;
}

bool OggDecoder::Rewind() {
    if (!ready) {
        return false;
    }
    return ov_time_seek(resource->GetFile(), 0.0) == 0;
}

bool OggDecoder::Read(void* buffer, int bytes, int* written, bool* ended) {
    if (!ready) {
        return false;
    }
    if (buffer == nullptr) {
        if (ended != nullptr) {
            *ended = true;
        }
        if (written != nullptr) {
            *written = 0;
        }
        return false;
    }
    if (ended != nullptr) {
        *ended = false;
    }
    bytes = std::max(bytes, 0);
    auto* out = static_cast<char*>(buffer);
    std::memset(out, 0, static_cast<std::size_t>(bytes));

    int produced = 0;
    int errorsInARow = 0;
    // Whether sound has come since the stream was last sent back to its start here; a looping stream that
    // gives nothing after that would otherwise go round for ever.
    bool soundSinceRewind = true;
    while (produced < bytes) {
        int bitstream = 0;
        const long result = ov_read(resource->GetFile(), out + produced,
                                    std::min(kChunkBytes, bytes - produced), 0, 2, 1, &bitstream);
        if (result > 0) {
            produced += static_cast<int>(result);
            errorsInARow = 0;
            soundSinceRewind = true;
            continue;
        }
        // A damaged stretch reports an error and decoding resumes after it; an error that keeps coming
        // means nothing further can be decoded, which ends the stream.
        if (result < 0 && ++errorsInARow < kErrorsBeforeEnd) {
            continue;
        }
        errorsInARow = 0;
        if (!loop || !soundSinceRewind || ov_time_seek(resource->GetFile(), 0.0) != 0) {
            if (ended != nullptr) {
                *ended = true;
            }
            break;
        }
        soundSinceRewind = false;
    }
    if (written != nullptr) {
        *written = produced;
    }
    return true;
}

}  // namespace Dix
