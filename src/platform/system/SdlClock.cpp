#include "platform/system/SdlClock.h"

#include <SDL.h>

#include "platform/system/PreciseSleep.h"

namespace platform {

bool SdlClock::QueryPerformanceFrequency(std::int64_t& frequency) {
    const Uint64 reported = SDL_GetPerformanceFrequency();
    if (reported == 0) {
        return false;
    }
    frequency = static_cast<std::int64_t>(reported);
    return true;
}

std::int64_t SdlClock::QueryPerformanceCounter() {
    return static_cast<std::int64_t>(SDL_GetPerformanceCounter());
}

std::uint32_t SdlClock::Milliseconds() {
    return SDL_GetTicks();
}

void SdlClock::Sleep(double seconds) {
    SleepPrecisely(seconds);
}

void SdlClock::Yield() {
    SleepPrecisely(0.0);
}

namespace {
SdlClock systemClock;
Clock* currentClock = &systemClock;
}  // namespace

Clock& GetClock() {
    return *currentClock;
}

void SetClock(Clock* clock) {
    currentClock = clock != nullptr ? clock : &systemClock;
}

}  // namespace platform
