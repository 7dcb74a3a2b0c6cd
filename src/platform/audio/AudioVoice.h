#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace platform {

// A buffer's sound as the mixer plays it: a ring of 16-bit samples at the sound's own rate and channel
// count, and where the play stands in it. The ring's shape is fixed when the voice is made; everything else
// is guarded by the mixer's lock. The buffer that owns the voice writes into it and moves it; the mixer
// plays it and advances it.
struct AudioVoice {
    AudioVoice(int channels, int blockAlign, std::uint32_t bytes, bool streamed, std::uint64_t step);

    // The sample of channel 0 or 1 (mono gives both) at a frame, or silence while that frame is locked.
    float SampleAt(std::uint32_t frame, int channel) const;
    bool IsLocked(std::uint32_t frame) const;
    int HalfOf(std::uint32_t frame) const { return frame < middle ? 0 : 1; }

    const int channels;
    const int blockAlign;
    const std::uint32_t bytes;
    const std::uint32_t frames;
    const std::uint32_t middle;  // the first frame of the second half
    // A ring of one frame has no two halves to stream through.
    const bool streamed;
    const std::unique_ptr<std::int16_t[]> samples;
    // Source frames per output frame in 32.32 fixed point: exactly 1.0 when the rates agree, so the
    // samples then pass through unchanged.
    const std::uint64_t step;

    // Everything below is guarded by the mixer's lock.
    bool playing = false;
    bool looping = false;
    std::uint32_t position = 0;  // frame
    std::uint32_t fraction = 0;  // between this frame and the next, in 1/2^32
    float gain = 1.0f;
    bool locked = false;
    std::uint32_t lockedFrom = 0;    // frames, inclusive
    std::uint32_t lockedFrames = 0;  // may run past the end of the ring and on from its start
    // Per half: written since the mixer last played out of it. Nothing has been written into a new ring.
    std::array<bool, 2> fresh{};
    // The mixer's list of voices.
    AudioVoice* previous = nullptr;
    AudioVoice* next = nullptr;
};

}  // namespace platform
