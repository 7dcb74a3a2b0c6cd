#pragma once

namespace platform {

// Sleeps the calling thread for about the given time, as exactly as the system allows; 0 or less gives up
// the rest of the time slice. Each system has its own file (linux/PreciseSleep.cpp here).
void SleepPrecisely(double seconds);

}  // namespace platform
