#pragma once

#include "platform/system/Clock.h"

namespace platform {

// The system clock: SDL's performance counter and millisecond tick, and the standard library's sleep,
// which (unlike SDL_Delay) can sleep for less than a millisecond.
class SdlClock final : public Clock {
public:
    bool QueryPerformanceFrequency(std::int64_t& frequency) override;
    std::int64_t QueryPerformanceCounter() override;
    std::uint32_t Milliseconds() override;
    void Sleep(double seconds) override;
    void Yield() override;
};

}  // namespace platform
