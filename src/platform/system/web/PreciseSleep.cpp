#include "platform/system/PreciseSleep.h"

#include <emscripten.h>

#include <cmath>

namespace platform {

// A page's thread must not block: the sleep hands the browser its thread back (through Asyncify) for whole
// milliseconds, the finest its timers go.
void SleepPrecisely(double seconds) {
    emscripten_sleep(seconds > 0.0 ? static_cast<unsigned int>(std::ceil(seconds * 1000.0)) : 0U);
}

}  // namespace platform
