#include "platform/system/Statistics.h"

#include <atomic>
#include <mutex>

namespace platform {

namespace {

std::mutex loadsMutex;
Statistics loads;
std::atomic<std::uint64_t> underruns{0};

}  // namespace

Statistics GetStatistics() {
    Statistics statistics;
    {
        std::lock_guard<std::mutex> guard(loadsMutex);
        statistics = loads;
    }
    statistics.underruns = underruns.load(std::memory_order_relaxed);
    return statistics;
}

LoadTimer::~LoadTimer() {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::lock_guard<std::mutex> guard(loadsMutex);
    if (kind == Kind::Image) {
        loads.imageSeconds += seconds;
        loads.images += 1;
    } else {
        loads.soundSeconds += seconds;
        loads.sounds += 1;
    }
}

void CountUnderrun() {
    underruns.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace platform
