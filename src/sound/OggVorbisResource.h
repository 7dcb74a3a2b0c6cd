#pragma once

#include <vorbis/vorbisfile.h>

#include "sound/Sp.h"

namespace Dix {

// An Ogg Vorbis stream opened for decoding: the vorbisfile state over some source of bytes.
class OggVorbisResource {
public:
    OggVorbisResource();
    virtual ~OggVorbisResource();

    OggVorbisResource(const OggVorbisResource&) = delete;
    OggVorbisResource& operator=(const OggVorbisResource&) = delete;

    virtual void Close();
    virtual OggVorbis_File* GetFile();
    // Another resource over the same bytes, with its own read position and decoding state; empty when
    // this one is not open or the copy cannot be opened.
    virtual sp<OggVorbisResource> Clone() = 0;

    bool IsOpen() const { return isOpen; }

protected:
    OggVorbis_File file;
    bool isOpen = false;
};

}  // namespace Dix
