// Runs the real frame loop with the game on its title for a while and prints how evenly the frames came:
// frames per second and the mean, median, 99th percentile and longest interval between frames, the frames
// longer than 25 ms, and the time from entering main to the first presented frame of the title.
//
//     frame_pacing_probe [seconds] [vsync|novsync]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <vector>

#include "app/Application.h"
#include "game/GameCallbacks.h"
#include "platform/DeviceTypes.h"
#include "platform/Window.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

std::vector<double> intervals;
double runSeconds = 10.0;
double elapsed = 0.0;
SteadyClock::time_point started;
int updates = 0;
double firstFrameSeconds = 0.0;

void MeasuringUpdate() {
    // The second update comes after the first frame was drawn and presented.
    if (++updates == 2) {
        firstFrameSeconds = std::chrono::duration<double>(SteadyClock::now() - started).count();
    }
    const Corvane::CFrameTimer& timer = Corvane::g_pApplication->timer;
    const double seconds = static_cast<double>(timer.frameTicks) / static_cast<double>(timer.frequency);
    // The first frame carries the time the game took to start; it says nothing about pacing.
    if (elapsed > 0.0 || !intervals.empty()) {
        intervals.push_back(seconds);
    }
    elapsed += seconds;
    if (elapsed >= runSeconds) {
        Corvane::g_pApplication->Quit();
    }
    Yorun::GameUpdate();
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()));
    return values[index];
}

}  // namespace

int main(int argumentCount, char** arguments) {
    started = SteadyClock::now();
    if (argumentCount > 1) {
        runSeconds = std::atof(arguments[1]);
    }
    const bool vsync = argumentCount > 2 && std::strcmp(arguments[2], "vsync") == 0;

    platform::InitVideo();
    const Corvane::ProgramInstance instance{1, arguments};
    auto* application = new Corvane::CApplication();
    application->callbacks = Yorun::GetGameCallbacks();
    application->callbacks.update = &MeasuringUpdate;
    application->presentInterval =
        vsync ? platform::D3DPRESENT_INTERVAL_DEFAULT : platform::D3DPRESENT_INTERVAL_IMMEDIATE;
    if (!application->Create(&instance, 0, 0, 800, 600, "Yorun", false)) {
        std::fprintf(stderr, "could not start\n");
        return 1;
    }
    application->frameInterval = 0.016393442f;
    application->Run();
    delete application;
    platform::ShutdownVideo();

    if (intervals.empty()) {
        std::fprintf(stderr, "no frames\n");
        return 1;
    }
    const double total = std::accumulate(intervals.begin(), intervals.end(), 0.0);
    const double mean = total / static_cast<double>(intervals.size());
    const double longest = *std::max_element(intervals.begin(), intervals.end());
    const auto over25 =
        std::count_if(intervals.begin(), intervals.end(), [](double value) { return value > 0.025; });
    constexpr double kTarget = 1.0 / 61.0;
    std::printf(
        "vertical sync %-3s  frames %5zu  %.2f frames/s  mean %.3f ms (%+.2f%% of 1/61 s)  median %.3f ms  "
        "p99 "
        "%.3f ms  max %.3f ms  over 25 ms %ld  start-up to first frame %.1f ms\n",
        vsync ? "on" : "off", intervals.size(), static_cast<double>(intervals.size()) / total, mean * 1000.0,
        (mean - kTarget) / kTarget * 100.0, Percentile(intervals, 0.5) * 1000.0,
        Percentile(intervals, 0.99) * 1000.0, longest * 1000.0, static_cast<long>(over25),
        firstFrameSeconds * 1000.0);
    return 0;
}
