#pragma once

#include "platform/audio/AudioTypes.h"
#include "sound/Sp.h"

namespace Dix {

// A source of 16-bit PCM that a player streams from.
class PCMDecoder {
public:
    PCMDecoder() = default;
    virtual ~PCMDecoder() = default;

    PCMDecoder(const PCMDecoder&) = delete;
    PCMDecoder& operator=(const PCMDecoder&) = delete;

    // Fills the whole buffer: sound first, silence after it. `written` gets the bytes of sound and `ended`
    // whether the sound ran out; either may be null. False when not ready or given no buffer.
    virtual bool Read(void* buffer, int bytes, int* written, bool* ended) = 0;
    // Back to the start of the sound.
    virtual bool Rewind() = 0;
    // Another decoder of the same sound with its own position, at the start; `loop` is not copied.
    virtual sp<PCMDecoder> Clone() = 0;
    virtual void Clear();

    bool GetWaveFormat(platform::WAVEFORMATEX& format) const;

    bool IsReady() const { return ready; }
    bool GetLoop() const { return loop; }
    // Whether Read goes on from the start of the sound at its end.
    void SetLoop(bool value) { loop = value; }

protected:
    bool loop = false;
    bool ready = false;
    int channels = 0;
    int samplesPerSec = 0;
    int bitsPerSample = 0;
};

}  // namespace Dix
