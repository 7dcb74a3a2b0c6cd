#include "platform/SdlClock.h"

#include <SDL.h>

#include <chrono>
#include <thread>

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
    if (seconds <= 0.0) {
        std::this_thread::yield();
        return;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void SdlClock::Yield() {
    std::this_thread::yield();
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
