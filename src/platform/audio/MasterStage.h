#pragma once

#include <atomic>

namespace platform {

// The last stage of the mix, after every buffer's own volume: the master gain, then a peak limiter that
// keeps the sum under a ceiling, so that the loudest moments (every cue at once) are turned down smoothly
// instead of clipped. The limiter takes each frame as it comes, with no look-ahead and so no delay: a frame
// that would pass the ceiling lowers the gain at once, just far enough, and the gain recovers over about
// 80 ms. Both channels share the gain, so the sound keeps its place between them. Sound that stays under
// the ceiling at unity gain passes unchanged, sample for sample.
class MasterStage {
public:
    // Samples are in 16-bit units (full scale 32768). 1.5 dB below full scale keeps the peaks between the
    // samples, which a limiter working on the samples alone does not see, under −1 dBFS as well.
    static constexpr float kCeiling = 27574.6f;

    explicit MasterStage(int rate);

    // Linear gain; safe to call from any thread while the audio thread mixes.
    void SetGain(float linear) { gain.store(linear, std::memory_order_relaxed); }
    float GetGain() const { return gain.load(std::memory_order_relaxed); }

    // Applies the gain and the limiter to interleaved stereo frames, in place. Called by the one thread
    // that mixes.
    void Process(float* samples, int frames);

private:
    std::atomic<float> gain{1.0f};
    // The limiter's gain now, and how much of the way back to unity it recovers in one frame. In double: in
    // float, the recovery's steps near unity would round away long before unity.
    double limit = 1.0;
    const double recovery;
};

}  // namespace platform
