// Plays one whole game on hard through the real frame loop, with a keyboard that plays by itself, and prints
// how evenly the frames of play came (frames per second, mean, median, 99th percentile and longest
// interval, frames longer than 25 ms), the start-up (to the first presented frame of the title, and the
// time spent loading images and sounds within it), the streaming underruns the mixer counted over the game
// and the peak resident size.
//
//     frame_pacing_probe [vsync|novsync|startup]
//
// With startup it stops at the first presented frame of the title and prints the start-up alone.
//
// Start-up is counted from entering main, or from YORUN_LAUNCHED_AT_NS (the wall clock in nanoseconds,
// taken by whoever started the program just before it did) when that is set.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>
#include <vector>

#include "PlayingKeyboard.h"
#include "app/Application.h"
#include "game/GameCallbacks.h"
#include "game/GameState.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "platform/system/Statistics.h"
#include "platform/video/DeviceTypes.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

using SteadyClock = std::chrono::steady_clock;
using WallClock = std::chrono::system_clock;

constexpr double kLongFrame = 0.025;

std::vector<double> intervals;
SteadyClock::time_point enteredMain;
int updates = 0;
double firstFrameSeconds = 0.0;
WallClock::time_point firstFrameWallTime;
bool sawPlay = false;
bool startUpOnly = false;
long long underruns = -1;
// Where the frame before the current one spent its time, for the report on long frames.
double lastUpdateSeconds = 0.0;
double lastRenderSeconds = 0.0;
SteadyClock::time_point lastUpdateStart;

struct LongFrame {
    double atSeconds;
    double interval;
    double update;
    double render;
};
std::vector<LongFrame> longFrames;

void MeasuringUpdate() {
    // The second update comes after the first frame was drawn and presented.
    if (++updates == 2) {
        firstFrameSeconds = std::chrono::duration<double>(SteadyClock::now() - enteredMain).count();
        firstFrameWallTime = WallClock::now();
        if (startUpOnly) {
            Corvane::g_pApplication->Quit();
        }
    }
    const Corvane::CFrameTimer& timer = Corvane::g_pApplication->timer;
    const int scene = Yorun::GetGameState().scene;
    if (scene == Yorun::SCENE_PLAY) {
        // The first frame of play carries the countdown's last frame: it counts like any other.
        const double interval = static_cast<double>(timer.frameTicks) / static_cast<double>(timer.frequency);
        intervals.push_back(interval);
        if (interval > kLongFrame) {
            longFrames.push_back(LongFrame{std::accumulate(intervals.begin(), intervals.end(), 0.0), interval,
                                           lastUpdateSeconds, lastRenderSeconds});
        }
        sawPlay = true;
    } else if (sawPlay && scene == Yorun::SCENE_SCORE) {
        Corvane::g_pApplication->Quit();
    }
    lastUpdateStart = SteadyClock::now();
    Yorun::GameUpdate();
    lastUpdateSeconds = std::chrono::duration<double>(SteadyClock::now() - lastUpdateStart).count();
}

void MeasuringRender() {
    const auto start = SteadyClock::now();
    Yorun::GameRender();
    lastRenderSeconds = std::chrono::duration<double>(SteadyClock::now() - start).count();
}

// The underruns are read before the game lets go of its sounds: they hold the output that has been playing.
void MeasuringRelease() {
    if (platform::GetAudioSink().Acquire() != nullptr) {
        underruns = static_cast<long long>(platform::GetStatistics().underruns);
    }
    Yorun::GameRelease();
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()));
    return values[index];
}

// From the launcher's wall-clock stamp when there is one, else from main.
double StartUpSeconds() {
    const char* launched = std::getenv("YORUN_LAUNCHED_AT_NS");
    if (launched == nullptr || launched[0] == '\0') {
        return firstFrameSeconds;
    }
    const auto launchedAt = WallClock::time_point(std::chrono::duration_cast<WallClock::duration>(
        std::chrono::nanoseconds(std::strtoll(launched, nullptr, 10))));
    return std::chrono::duration<double>(firstFrameWallTime - launchedAt).count();
}

void PrintPacing(bool vsync) {
    const double total = std::accumulate(intervals.begin(), intervals.end(), 0.0);
    const double mean = total / static_cast<double>(intervals.size());
    const double longest = *std::max_element(intervals.begin(), intervals.end());
    const auto over25 =
        std::count_if(intervals.begin(), intervals.end(), [](double value) { return value > kLongFrame; });
    constexpr double kTarget = 1.0 / 61.0;
    std::printf(
        "vertical sync %-3s  play %.1f s  frames %zu  %.2f frames/s  mean %.3f ms (%+.2f%% of 1/61 s)  "
        "median %.3f ms  p99 %.3f ms  max %.3f ms  over 25 ms %ld\n",
        vsync ? "on" : "off", total, intervals.size(), static_cast<double>(intervals.size()) / total,
        mean * 1000.0, (mean - kTarget) / kTarget * 100.0, Percentile(intervals, 0.5) * 1000.0,
        Percentile(intervals, 0.99) * 1000.0, longest * 1000.0, static_cast<long>(over25));
    // The interval ending a frame covers the frame before it: its update, its drawing and presenting, and
    // then the messages and the wait, which is where the rest went.
    for (const LongFrame& frame : longFrames) {
        std::printf(
            "  long frame at %.2f s of play: %.3f ms = update %.3f + draw and present %.3f + the rest %.3f\n",
            frame.atSeconds, frame.interval * 1000.0, frame.update * 1000.0, frame.render * 1000.0,
            (frame.interval - frame.update - frame.render) * 1000.0);
    }
}

void PrintStartUp() {
    const platform::Statistics loads = platform::GetStatistics();
    const double startUp = StartUpSeconds();
    std::printf(
        "start-up to the first presented frame %.1f ms (%s); loading %d images %.1f ms (%.0f%%), "
        "%d sounds %.1f ms (%.0f%%)\n",
        startUp * 1000.0, std::getenv("YORUN_LAUNCHED_AT_NS") != nullptr ? "from launch" : "from main",
        loads.images, loads.imageSeconds * 1000.0, loads.imageSeconds / startUp * 100.0, loads.sounds,
        loads.soundSeconds * 1000.0, loads.soundSeconds / startUp * 100.0);
}

void PrintUnderruns() {
    if (underruns < 0) {
        std::printf("no audio device: no underruns to count\n");
        return;
    }
    std::printf("streaming underruns over the game %lld\n", underruns);
}

void PrintMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident size over the game %ld KiB\n", usage.ru_maxrss);
}

}  // namespace

int main(int argumentCount, char** arguments) {
    enteredMain = SteadyClock::now();
    const bool vsync = argumentCount > 1 && std::strcmp(arguments[1], "vsync") == 0;
    startUpOnly = argumentCount > 1 && std::strcmp(arguments[1], "startup") == 0;

    platform::InitVideo("Yorun");
    bench::PlayingKeyboard keyboard;
    const Corvane::ProgramInstance instance{1, arguments};
    auto* application = new Corvane::CApplication();
    application->callbacks = Yorun::GetGameCallbacks();
    application->callbacks.update = &MeasuringUpdate;
    application->callbacks.render = &MeasuringRender;
    application->callbacks.release = &MeasuringRelease;
    application->presentInterval =
        vsync ? platform::D3DPRESENT_INTERVAL_DEFAULT : platform::D3DPRESENT_INTERVAL_IMMEDIATE;
    if (!application->Create(&instance, 0, 0, 800, 600, "Yorun", false)) {
        std::fprintf(stderr, "could not start\n");
        return 1;
    }
    application->frameInterval = 0.016393442f;
    application->Run();

    if (startUpOnly) {
        PrintStartUp();
    } else if (intervals.empty()) {
        std::fprintf(stderr, "the game never reached play\n");
        return 1;
    } else {
        PrintPacing(vsync);
        PrintStartUp();
        PrintUnderruns();
        PrintMemory();
    }
    delete application;
    platform::ShutdownVideo();
    return 0;
}
