#include "platform/system/PreciseSleep.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>

namespace platform {

void SleepPrecisely(double seconds) {
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

}  // namespace platform
