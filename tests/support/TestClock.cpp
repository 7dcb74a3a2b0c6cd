#include "support/TestClock.h"

#include <algorithm>
#include <cmath>

namespace testing_support {

TestClock::TestClock(std::int64_t frequency, std::int64_t counter, std::uint32_t milliseconds)
    : frequency(frequency), counter(counter), milliseconds(milliseconds) {
    platform::SetClock(this);
}

TestClock::~TestClock() {
    platform::SetClock(nullptr);
}

bool TestClock::QueryPerformanceFrequency(std::int64_t& reported) {
    if (frequency <= 0) {
        return false;
    }
    reported = frequency;
    return true;
}

void TestClock::Sleep(double seconds) {
    ++sleeps;
    longestSleep = std::max(longestSleep, seconds);
    Advance(seconds);
}

void TestClock::Advance(double seconds) {
    if (frequency > 0) {
        counter += static_cast<std::int64_t>(std::llround(seconds * static_cast<double>(frequency)));
    }
    leftoverMilliseconds += seconds * 1000.0;
    const double whole = std::floor(leftoverMilliseconds);
    milliseconds += static_cast<std::uint32_t>(whole);
    leftoverMilliseconds -= whole;
}

}  // namespace testing_support
