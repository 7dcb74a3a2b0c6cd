#pragma once

#include <cstdint>

namespace Corvane {

// The one time base of the game: the ticks between the last two frames and the ticks per second. The clock
// is the performance counter, or the millisecond tick when there is none.
class CFrameTimer {
public:
    CFrameTimer() = default;

    // Chooses the clock and restarts measuring from now; frameTicks keeps its value.
    void Reset();
    // Waits until at least the given time has passed since the last Tick; returns the ticks passed.
    std::int64_t WaitFor(float seconds);
    // Measures frameTicks and moves lastTick.
    void Tick();

    std::int32_t useCounter = 0;
    std::int64_t frequency = 0;
    std::int64_t lastTick = 0;
    std::int64_t frameTicks = 0;

private:
    std::int64_t Now() const;
    // Ticks from lastTick to now; with the millisecond clock the difference is taken modulo 2^32 so that it
    // stays right when the tick wraps.
    std::int64_t Since(std::int64_t now) const;
};

}  // namespace Corvane
