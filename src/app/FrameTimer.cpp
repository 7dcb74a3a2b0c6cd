#include "app/FrameTimer.h"

#include "platform/system/Clock.h"

namespace Corvane {

namespace {
// Sleep in steps of at most this long, so that the wait ends close to its target instead of drifting by
// the oversleep of whole-millisecond sleeps.
constexpr double kLongestSleep = 0.001;
}  // namespace

void CFrameTimer::Reset() {
    platform::Clock& clock = platform::GetClock();
    std::int64_t counterFrequency = 0;
    useCounter = clock.QueryPerformanceFrequency(counterFrequency) && counterFrequency > 0 ? 1 : 0;
    if (useCounter != 0) {
        frequency = counterFrequency;
        lastTick = clock.QueryPerformanceCounter();
    } else {
        frequency = 1000;
        lastTick = clock.Milliseconds();
    }
}

std::int64_t CFrameTimer::Now() const {
    platform::Clock& clock = platform::GetClock();
    return useCounter != 0 ? clock.QueryPerformanceCounter()
                           : static_cast<std::int64_t>(clock.Milliseconds());
}

std::int64_t CFrameTimer::Since(std::int64_t now) const {
    if (useCounter != 0) {
        return now - lastTick;
    }
    return static_cast<std::uint32_t>(static_cast<std::uint32_t>(now) - static_cast<std::uint32_t>(lastTick));
}

std::int64_t CFrameTimer::WaitFor(float seconds) {
    // Truncated, not rounded: with the millisecond clock, 1/61 s is 16 ticks.
    const auto target = static_cast<std::int64_t>(static_cast<long double>(frequency) * seconds);
    platform::Clock& clock = platform::GetClock();
    for (;;) {
        const std::int64_t passed = Since(Now());
        if (passed >= target) {
            return passed;
        }
        const double remaining = static_cast<double>(target - passed) / static_cast<double>(frequency);
        clock.Sleep(remaining < kLongestSleep ? remaining : kLongestSleep);
    }
}

void CFrameTimer::Tick() {
    const std::int64_t now = Now();
    frameTicks = Since(now);
    lastTick = now;
}

}  // namespace Corvane
