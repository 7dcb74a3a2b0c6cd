#include "platform/system/SdlClock.h"

#include <SDL.h>

#include "platform/system/PreciseSleep.h"
#include "platform/system/Suspension.h"

namespace platform {

bool SdlClock::QueryPerformanceFrequency(std::int64_t& frequency) {
    const Uint64 reported = SDL_GetPerformanceFrequency();
    if (reported == 0) {
        return false;
    }
    frequency = static_cast<std::int64_t>(reported);
    return true;
}

// Both clocks leave out the time the system held the program (a hidden browser page): the game goes on
// from where it stood.
std::int64_t SdlClock::QueryPerformanceCounter() {
    const double held = SecondsSuspended() * static_cast<double>(SDL_GetPerformanceFrequency());
    return static_cast<std::int64_t>(SDL_GetPerformanceCounter()) - static_cast<std::int64_t>(held);
}

std::uint32_t SdlClock::Milliseconds() {
    return SDL_GetTicks() -
           static_cast<std::uint32_t>(static_cast<std::uint64_t>(SecondsSuspended() * 1000.0));
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
