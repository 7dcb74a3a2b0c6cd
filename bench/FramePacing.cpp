// Runs the real frame loop with the game on its title for a while and prints how evenly the frames came:
// frames per second and the mean, median, 99th percentile and longest interval between frames.
//
//     frame_pacing_probe [seconds] [vsync|novsync]
#include <algorithm>
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

std::vector<double> intervals;
double runSeconds = 10.0;
double elapsed = 0.0;

void MeasuringUpdate() {
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
    std::printf(
        "vertical sync %-3s  frames %5zu  %.2f frames/s  mean %.3f ms  median %.3f ms  p99 %.3f ms  max %.3f "
        "ms\n",
        vsync ? "on" : "off", intervals.size(), static_cast<double>(intervals.size()) / total, mean * 1000.0,
        Percentile(intervals, 0.5) * 1000.0, Percentile(intervals, 0.99) * 1000.0, longest * 1000.0);
    return 0;
}
