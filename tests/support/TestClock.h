#pragma once

#include <cstdint>

#include "platform/system/Clock.h"

namespace testing_support {

// A clock that moves only when told to (or when slept on), installed for the lifetime of the object.
class TestClock final : public platform::Clock {
public:
    // frequency 0 means no performance counter: the millisecond tick is the only clock.
    explicit TestClock(std::int64_t frequency = 1'000'000, std::int64_t counter = 0,
                       std::uint32_t milliseconds = 0);
    ~TestClock() override;

    bool QueryPerformanceFrequency(std::int64_t& reported) override;
    std::int64_t QueryPerformanceCounter() override { return counter; }
    std::uint32_t Milliseconds() override { return milliseconds; }
    void Sleep(double seconds) override;
    void Yield() override { ++yields; }

    // Moves both clocks on by the given time.
    void Advance(double seconds);

    std::int64_t frequency;
    std::int64_t counter;
    std::uint32_t milliseconds;
    int sleeps = 0;
    double longestSleep = 0.0;
    int yields = 0;

private:
    double leftoverMilliseconds = 0.0;
};

}  // namespace testing_support
