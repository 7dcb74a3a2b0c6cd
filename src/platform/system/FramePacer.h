#pragma once

namespace platform {

// Decides, at each refresh of a display that calls the program back once per refresh, whether a frame of
// the game is due. The game moves a fixed step per frame at its own rate (61 a second); a display that
// refreshes faster gets a frame at the refreshes that reach the next due time, so the rate holds at 75,
// 120 or 144 Hz instead of falling to every second or third refresh. One frame at most runs per refresh, so
// a display slower than the game's rate (60 Hz) gets one frame per refresh, as vertical sync would give.
class FramePacer {
public:
    explicit FramePacer(double intervalSeconds) : interval(intervalSeconds) {}

    // The refresh's time in seconds, from any fixed point; true when a frame should run now.
    bool Due(double now);

private:
    // A refresh that comes this much early still counts as on time: the browser's timestamps jitter, and a
    // 60 Hz display's refresh (16.7 ms) only just trails the game's frame (16.4 ms).
    static constexpr double kEarlyTolerance = 0.002;

    double interval;
    double nextDue = 0.0;  // when the next frame is due; 0 before the first refresh
    bool started = false;
};

}  // namespace platform
