#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// What the platform has counted in this process, for the benchmarks: the time spent turning image files
// into textures and sound files into open players, how many of each, and the streaming underruns.
struct Statistics {
    double imageSeconds = 0.0;
    int images = 0;
    double soundSeconds = 0.0;
    int sounds = 0;
    // A streamed ring's play position entering a half that has not been refilled since it was last
    // played: the listener hears the old sound again, or silence.
    std::uint64_t underruns = 0;
};

// The counts so far; safe to read from any thread.
Statistics GetStatistics();

// Times one load of a data file from construction to destruction and counts it. Loads run on the game
// thread.
class LoadTimer {
public:
    enum class Kind { Image, Sound };

    explicit LoadTimer(Kind kind) : kind(kind), started(std::chrono::steady_clock::now()) {}
    ~LoadTimer();

    LoadTimer(const LoadTimer&) = delete;
    LoadTimer& operator=(const LoadTimer&) = delete;

private:
    const Kind kind;
    const std::chrono::steady_clock::time_point started;
};

// Counts one underrun; the mixer calls it from the audio callback, so it neither locks nor allocates.
void CountUnderrun();

}  // namespace platform
