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
    const double now = WaitForAnimationFrame() / 1000.0;
    RunRepeatingTasks();
    return pacer->Due(now);
}

}  // namespace platform
