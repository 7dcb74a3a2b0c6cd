#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/audio/AudioTypes.h"
#include "platform/audio/AudioVoice.h"

namespace platform {

class AudioMixer;
class AudioOutput;

// A ring of 16-bit signed little-endian PCM at its sound's own rate and channel count, played through the
// shared mixer. Lock hands out the bytes to fill (two regions when the range crosses the end of the ring);
// the mixer reads a locked range as silence until it is unlocked. Shared by reference count; it keeps the
// audio output alive, and stays safe to release after SDL has closed the output.
//
// A streamed ring (made with DSBCAPS_CTRLPOSITIONNOTIFY) is refilled half by half while it plays: the
// halves are [0, frames / 2) and [frames / 2, frames), in frames, as its player divides it.
class AudioBuffer {
public:
    AudioBuffer(const AudioBuffer&) = delete;
    AudioBuffer& operator=(const AudioBuffer&) = delete;

    std::uint32_t AddRef();
    std::uint32_t Release();

    // offset and count (bytes) are ignored with DSBLOCK_ENTIREBUFFER. One range can be locked at a time.
    // Unlock takes the regions that were written: each half of the ring they cover whole holds new sound.
    HRESULT Lock(std::uint32_t offset, std::uint32_t count, void** audioPtr1, std::uint32_t* audioBytes1,
                 void** audioPtr2, std::uint32_t* audioBytes2, std::uint32_t flags);
    HRESULT Unlock(void* audioPtr1, std::uint32_t audioBytes1, void* audioPtr2, std::uint32_t audioBytes2);
    // Without DSBPLAY_LOOPING the buffer stops at its end.
    HRESULT Play(std::uint32_t reserved1, std::uint32_t priority, std::uint32_t flags);
    // Keeps the play position.
    HRESULT Stop();
    // Positions in bytes from the start of the ring; the write position is the play position.
    HRESULT SetCurrentPosition(std::uint32_t newPosition);
    HRESULT GetCurrentPosition(std::uint32_t* currentPlayCursor, std::uint32_t* currentWriteCursor);
    // Hundredths of a decibel, DSBVOLUME_MIN (silence) to DSBVOLUME_MAX.
    HRESULT SetVolume(std::int32_t volume);
    HRESULT GetVolume(std::int32_t* current);

    bool IsPlaying();
    std::uint32_t GetBufferBytes() const { return voice.bytes; }

private:
    friend class AudioDevice;

    AudioBuffer(std::shared_ptr<AudioOutput> output, const WAVEFORMATEX& format, std::uint32_t bytes,
                bool streamed);
    ~AudioBuffer();

    std::atomic<std::uint32_t> references{1};
    std::shared_ptr<AudioOutput> output;
    AudioMixer& mixer;
    AudioVoice voice;
    // Guarded by the mixer's lock, like the voice.
    std::int32_t volume = DSBVOLUME_MAX;
};

}  // namespace platform
