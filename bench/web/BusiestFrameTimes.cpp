// The busiest frame of play, timed the same way on the desktop and in the browser: the game's update, and
// its drawing up to the renderer's hand-over (presenting is left out), as means over a few hundred
// frames. bench/web/web-bench.mjs runs the browser's build in headless Chromium and this one under Xvfb, and
// prints the two side by side.
#include <chrono>
#include <cstdio>

#include "../BusiestFrame.h"
#include "app/Application.h"
#include "app/Graphics.h"
#include "game/GameCallbacks.h"
#include "platform/video/Device.h"
#include "platform/video/Video.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kFrames = 1000;

double MicrosecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::micro>(SteadyClock::now() - start).count();
}

}  // namespace

int main(int /*argumentCount*/, char** arguments) {
    if (!platform::InitVideo("Yorun")) {
        std::fprintf(stderr, "busiest_frame_times needs a display\n");
        return 1;
    }
    const Corvane::ProgramInstance instance{1, arguments};
    auto* application = new Corvane::CApplication();
    application->callbacks = Yorun::GetGameCallbacks();
    if (!application->Create(&instance, 0, 0, 800, 600, "Yorun", false) || !Yorun::GameInitialize()) {
        std::fprintf(stderr, "busiest_frame_times could not start the game\n");
        return 1;
    }
    application->showBanner = false;
    application->timer.frequency = 1'000'000;
    application->timer.frameTicks = 16'393;

    // Batches, not single frames: the browser's clock is coarse (a tenth of a millisecond), and a batch
    // gives both builds the same measure. Setting the frame up is timed alone and taken off.
    auto batch = [](bool update, bool draw) {
        const auto start = SteadyClock::now();
        for (int frame = 0; frame < kFrames; ++frame) {
            bench::SetUpBusiestFrame();
            if (update) {
                Yorun::GameUpdate();
            }
            if (draw) {
                Yorun::GameDraw();
            }
        }
        const double perFrame = MicrosecondsSince(start) / kFrames;
        Corvane::g_pDevice->Present();
        return perFrame;
    };
    batch(true, true);  // warm: every texture made, every cache filled
    const double setUp = batch(false, false);
    const double updated = batch(true, false);
    const double drawn = batch(true, true);
    std::printf("busiest frame (%s renderer): update %.1f us, drawing %.1f us, means over %d frames\n",
                Corvane::g_pDevice->GetRendererName(), updated - setUp, drawn - updated, kFrames);
    std::fflush(stdout);
    Yorun::GameRelease();
    delete application;
    platform::ShutdownVideo();
    return 0;
}
