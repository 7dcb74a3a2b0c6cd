#include "platform/system/SdlClock.h"

#include <SDL.h>
#include <sys/prctl.h>

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
    // The kernel may let a sleeping thread wake up to 50 µs late so that it can batch timers; at the end
    // of every frame's wait that lateness would lengthen the frame. The least slack is asked for once per
    // sleeping thread (a refusal just leaves the default).
    thread_local const bool slackLowered = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    static_cast<void>(slackLowered);
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
