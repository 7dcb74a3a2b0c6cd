#pragma once

#include <cstdint>

namespace platform {

// The time sources the frame loop and the input read. The SDL clock is the default; a test installs its own
// so that frames advance by exact amounts.
class Clock {
public:
    virtual ~Clock() = default;

    // False when there is no high-resolution counter; the frame timer then falls back to milliseconds.
    virtual bool QueryPerformanceFrequency(std::int64_t& frequency) = 0;
    virtual std::int64_t QueryPerformanceCounter() = 0;
    // Milliseconds since some fixed point; wraps after 2^32 ms like the system tick.
    virtual std::uint32_t Milliseconds() = 0;
    // Sleeps for about the given time; the frame timer never asks for more than a millisecond at once.
    virtual void Sleep(double seconds) = 0;
    // Gives up the rest of the time slice.
    virtual void Yield() = 0;
};

// The clock in use. SetClock(nullptr) goes back to the system clock.
Clock& GetClock();
void SetClock(Clock* clock);

}  // namespace platform
