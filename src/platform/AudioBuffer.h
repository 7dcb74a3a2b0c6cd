#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/AudioTypes.h"

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

    // offset and bytes are ignored with DSBLOCK_ENTIREBUFFER. One range can be locked at a time.
    // Unlock takes the regions that were written: each half of the ring they cover whole holds new sound.
    HRESULT Lock(std::uint32_t offset, std::uint32_t bytes, void** audioPtr1, std::uint32_t* audioBytes1,
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
    HRESULT GetVolume(std::int32_t* volume);

    bool IsPlaying();
    std::uint32_t GetBufferBytes() const { return bytes; }

private:
    friend class AudioDevice;
    friend class AudioMixer;

    AudioBuffer(std::shared_ptr<AudioOutput> output, const WAVEFORMATEX& format, std::uint32_t bytes,
                bool streamed);
    ~AudioBuffer();

    // The sample of channel 0 or 1 (mono gives both) at a frame, or silence while that frame is locked.
    float SampleAt(std::uint32_t frame, int channel) const;
    bool IsLocked(std::uint32_t frame) const;
    int HalfOf(std::uint32_t frame) const { return frame < middle ? 0 : 1; }

    std::atomic<std::uint32_t> references{1};
    std::shared_ptr<AudioOutput> output;
    AudioMixer& mixer;
    const int channels;
    const int blockAlign;
    const std::uint32_t bytes;
    const std::uint32_t frames;
    const std::uint32_t middle;  // the first frame of the second half
    // A ring of one frame has no two halves to stream through.
    const bool streamed;
    std::unique_ptr<std::int16_t[]> samples;
    // Source frames per output frame in 32.32 fixed point: exactly 1.0 when the rates agree, so the
    // samples then pass through unchanged.
    const std::uint64_t step;

    // Everything below is guarded by the mixer's lock.
    bool playing = false;
    bool looping = false;
    std::uint32_t position = 0;  // frame
    std::uint32_t fraction = 0;  // between this frame and the next, in 1/2^32
    std::int32_t volume = DSBVOLUME_MAX;
    float gain = 1.0f;
    bool locked = false;
    std::uint32_t lockedFrom = 0;    // frames, inclusive
    std::uint32_t lockedFrames = 0;  // may run past the end of the ring and on from its start
    // Per half: written since the mixer last played out of it. Nothing has been written into a new ring.
    std::array<bool, 2> fresh{};
    AudioBuffer* previous = nullptr;
    AudioBuffer* next = nullptr;
};

}  // namespace platform
