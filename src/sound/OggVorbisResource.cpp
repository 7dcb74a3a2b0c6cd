#include "sound/OggVorbisResource.h"

#include <cstring>

namespace Dix {

OggVorbisResource::OggVorbisResource() {
    std::memset(&file, 0, sizeof(file));
}

OggVorbisResource::~OggVorbisResource() {
    ov_clear(&file);
    isOpen = false;
}

void OggVorbisResource::Close() {
    ov_clear(&file);
    std::memset(&file, 0, sizeof(file));
    isOpen = false;
}

OggVorbis_File* OggVorbisResource::GetFile() {
    return &file;
}

}  // namespace Dix
