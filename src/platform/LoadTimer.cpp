#include "platform/LoadTimer.h"

#include <mutex>

namespace platform {

namespace {

std::mutex totalsMutex;
LoadTotals totals;

}  // namespace

LoadTimer::~LoadTimer() {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::lock_guard<std::mutex> guard(totalsMutex);
    if (kind == Kind::Image) {
        totals.imageSeconds += seconds;
        totals.images += 1;
    } else {
        totals.soundSeconds += seconds;
        totals.sounds += 1;
    }
}

LoadTotals LoadTimer::Totals() {
    std::lock_guard<std::mutex> guard(totalsMutex);
    return totals;
}

}  // namespace platform
