// What the busiest frame of play costs: the game's update alone, the update with the drawing, the drawing
// alone, and beside them a baseline that draws exactly the same textured quads with the same blend modes
// straight through SDL, so that the framework's share of the drawing is a ratio. Drawing is timed until the
// renderer has finished it (flushed, and for OpenGL finished); presenting is left out of every figure.
//
//     frame_cost_probe [Google Benchmark options]
//
// It needs a display; SDL_RENDER_DRIVER chooses the renderer. bench/frame_cost runs it under Xvfb on the
// software and the OpenGL renderer.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "BusiestFrame.h"
#include "GeometryRecorder.h"
#include "app/Application.h"
#include "app/Graphics.h"
#include "game/Game.h"
#include "game/GameCallbacks.h"
#include "platform/video/Device.h"
#include "platform/video/DeviceTypes.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

using SteadyClock = std::chrono::steady_clock;
using GlFinishFunction = void (*)();

GlFinishFunction glFinish = nullptr;

// Median drawing times of the framework and of the plain SDL baseline, for the ratio printed at the end.
double frameworkSeconds = 0.0;
double baselineSeconds = 0.0;

// Waits until the renderer has carried out everything drawn so far.
void Finish() {
    SDL_RenderFlush(Corvane::g_pDevice->GetSdlRenderer());
    if (glFinish != nullptr) {
        glFinish();
    }
}

double SecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double>(SteadyClock::now() - start).count();
}

// What is on the field after the update: proof that the frame measured is as busy as it should be.
void CountWhatIsOnTheField(benchmark::State& state) {
    const Yorun::CPlayScene& play = Yorun::GetGame().playScene;
    int targets = 0;
    for (const Yorun::CTarget& target : play.targets.slots) {
        targets += target.IsVisible() ? 1 : 0;
    }
    int arrows = 0;
    for (const Yorun::CArrow& arrow : play.arrows.slots) {
        arrows += arrow.picture.visible ? 1 : 0;
    }
    state.counters["targets"] = targets;
    state.counters["arrows"] = arrows;
}

void Update(benchmark::State& state) {
    for (auto _ : state) {
        bench::SetUpBusiestFrame();
        const auto start = SteadyClock::now();
        Yorun::GameUpdate();
        state.SetIterationTime(SecondsSince(start));
    }
    CountWhatIsOnTheField(state);
}

void UpdateAndRender(benchmark::State& state) {
    for (auto _ : state) {
        bench::SetUpBusiestFrame();
        Finish();
        const auto start = SteadyClock::now();
        Yorun::GameUpdate();
        Yorun::GameDraw();
        Finish();
        state.SetIterationTime(SecondsSince(start));
        Corvane::g_pDevice->Present();
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The framework's drawing of the frame and the baseline's drawing of the same quads, taken in turns so that
// both meet the same conditions (the renderer's own threads, the X server, the rest of the machine). Medians,
// because a frame now and then waits on something outside both.
void DrawingAgainstSdlBaseline(benchmark::State& state) {
    SDL_Renderer* renderer = Corvane::g_pDevice->GetSdlRenderer();
    bench::SetUpBusiestFrame();
    Yorun::GameUpdate();
    bench::GeometryRecorder::Start();
    Yorun::GameDraw();
    const std::vector<bench::RecordedGeometry> draws = bench::GeometryRecorder::Stop();
    Finish();
    Corvane::g_pDevice->Present();

    std::vector<double> framework;
    std::vector<double> baseline;
    for (auto _ : state) {
        bench::SetUpBusiestFrame();
        Yorun::GameUpdate();
        Finish();
        auto start = SteadyClock::now();
        Yorun::GameDraw();
        Finish();
        framework.push_back(SecondsSince(start));
        Corvane::g_pDevice->Present();

        Finish();
        start = SteadyClock::now();
        SDL_SetRenderDrawColor(renderer, 0x64, 0x64, 0x64, 0xFF);
        SDL_RenderClear(renderer);
        bench::GeometryRecorder::Replay(renderer, draws);
        Finish();
        baseline.push_back(SecondsSince(start));
        Corvane::g_pDevice->Present();
        state.SetIterationTime(framework.back() + baseline.back());
    }
    frameworkSeconds = Median(framework);
    baselineSeconds = Median(baseline);
    state.counters["quads"] = static_cast<double>(draws.size());
    state.counters["framework_us"] = frameworkSeconds * 1e6;
    state.counters["sdl_us"] = baselineSeconds * 1e6;
}

BENCHMARK(Update)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(UpdateAndRender)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(DrawingAgainstSdlBaseline)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(4.0);

}  // namespace

int main(int argumentCount, char** arguments) {
    benchmark::Initialize(&argumentCount, arguments);
    if (!platform::InitVideo("Yorun")) {
        std::fprintf(stderr, "frame_cost_probe needs a display\n");
        return 1;
    }
    const Corvane::ProgramInstance instance{1, arguments};
    auto* application = new Corvane::CApplication();
    application->callbacks = Yorun::GetGameCallbacks();
    application->presentInterval = platform::D3DPRESENT_INTERVAL_IMMEDIATE;
    if (!application->Create(&instance, 0, 0, 800, 600, "Yorun", false)) {
        std::fprintf(stderr, "could not start\n");
        return 1;
    }
    if (!Yorun::GameInitialize()) {
        std::fprintf(stderr, "could not load the game's data\n");
        return 1;
    }
    application->showBanner = false;
    // Every update is one frame of exactly 1/61 s.
    application->timer.frequency = 1'000'000;
    application->timer.frameTicks = 16'393;

    const char* rendererName = Corvane::g_pDevice->GetRendererName();
    if (std::strncmp(rendererName, "opengl", 6) == 0) {
        glFinish = reinterpret_cast<GlFinishFunction>(SDL_GL_GetProcAddress("glFinish"));
    }
    std::printf("renderer %s, picture %dx%d\n", rendererName, Corvane::g_pDevice->GetBackBufferWidth(),
                Corvane::g_pDevice->GetBackBufferHeight());
    benchmark::RunSpecifiedBenchmarks();
    if (frameworkSeconds > 0.0 && baselineSeconds > 0.0) {
        std::printf(
            "renderer %s: drawing through the framework takes %.3f times the plain SDL baseline "
            "(medians %.0f us and %.0f us)\n",
            rendererName, frameworkSeconds / baselineSeconds, frameworkSeconds * 1e6, baselineSeconds * 1e6);
    }
    benchmark::Shutdown();
    Yorun::GameRelease();
    delete application;
    platform::ShutdownVideo();
    return 0;
}
