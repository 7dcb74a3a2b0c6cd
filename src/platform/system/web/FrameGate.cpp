#include "platform/system/FrameGate.h"

#include <emscripten.h>

#include <memory>

#include "platform/system/FramePacer.h"
#include "platform/system/RepeatingTask.h"

namespace platform {

namespace {

// Hands the browser back its thread until the next animation frame, and answers with that frame's time
// in milliseconds. The call is resumed by Asyncify: the game's loop keeps its shape, the page stays live.
// clang-format off
EM_ASYNC_JS(double, WaitForAnimationFrame, (), {
    return await new Promise(function(resolve) { requestAnimationFrame(resolve); });
});

// The page's sound, suspended while the page was hidden (Suspension.cpp), goes on once the page has shown
// a frame again: that frame has held whatever the game holds when it comes back (a paused game's cues).
EM_JS(void, ResumeSoundIfWaiting, (), {
    var watch = Module.yorunVisibility;
    if (!watch || !watch.soundWaits) {
        return;
    }
    watch.soundWaits = false;
    watch.soundWasRunning = false;
    var context = Module.SDL2 && Module.SDL2.audioContext;
    if (context && context.state == "suspended") {
        context.resume();
    }
});
// clang-format on

}  // namespace

bool DisplayPacesFrames() {
    return true;
}

bool AwaitFrame(double intervalSeconds) {
    static std::unique_ptr<FramePacer> pacer;
    if (pacer == nullptr) {
        pacer = std::make_unique<FramePacer>(intervalSeconds);
    }
    // Whether a frame of the game ran since the last wait.
    static bool frameRan = false;
    if (frameRan) {
        ResumeSoundIfWaiting();
    }
    const double now = WaitForAnimationFrame() / 1000.0;
    RunRepeatingTasks();
    frameRan = pacer->Due(now);
    return frameRan;
}

}  // namespace platform
