#pragma once

#include <chrono>

namespace platform {

// What reading data files has cost so far in this process: the time spent turning image files into
// textures and sound files into open players, and how many of each. The start-up benchmark reads it to
// tell loading apart from the rest of start-up.
struct LoadTotals {
    double imageSeconds = 0.0;
    int images = 0;
    double soundSeconds = 0.0;
    int sounds = 0;
};

// Times one load from construction to destruction and adds it to the process's totals. Loads run on the
// game thread; the totals are still safe to read from any thread.
class LoadTimer {
public:
    enum class Kind { Image, Sound };

    explicit LoadTimer(Kind kind) : kind(kind), started(std::chrono::steady_clock::now()) {}
    ~LoadTimer();

    LoadTimer(const LoadTimer&) = delete;
    LoadTimer& operator=(const LoadTimer&) = delete;

    static LoadTotals Totals();

private:
    const Kind kind;
    const std::chrono::steady_clock::time_point started;
};

}  // namespace platform
