#include "platform/system/Suspension.h"

#include <emscripten.h>

namespace platform {

namespace {

// Watches the page's visibility from the first question on. While the page is hidden the browser gives it
// no animation frames, so the game stands still, but it goes on asking for sound, which would play the
// streaming rings' last second over and over: the page's sound is suspended at once. It comes back after
// the first frame the page shows again (FrameGate), once that frame has held the sound it means to hold.
// The time hidden counts from the moment the page is hidden: the clocks stand still from then on.
// clang-format off
EM_JS(void, WatchVisibility, (), {
    if (Module.yorunVisibility) {
        return;
    }
    var watch = {hiddenSince: -1, hiddenTotal: 0, held: false, soundWasRunning: false, soundWaits: false};
    Module.yorunVisibility = watch;
    var hide = function() {
        if (watch.hiddenSince >= 0) {
            return;
        }
        watch.hiddenSince = performance.now();
        var context = Module.SDL2 && Module.SDL2.audioContext;
        watch.soundWasRunning = watch.soundWasRunning || (context && context.state == "running");
        if (context && context.state == "running") {
            context.suspend();
        }
    };
    var show = function() {
        if (watch.hiddenSince < 0) {
            return;
        }
        watch.hiddenTotal += performance.now() - watch.hiddenSince;
        watch.hiddenSince = -1;
        watch.held = true;
        watch.soundWaits = watch.soundWasRunning;
    };
    document.addEventListener("visibilitychange", function() {
        if (document.visibilityState == "hidden") {
            hide();
        } else {
            show();
        }
    });
    if (document.visibilityState == "hidden") {
        hide();
    }
});

EM_JS(double, HiddenMilliseconds, (), {
    var watch = Module.yorunVisibility;
    return watch.hiddenTotal + (watch.hiddenSince >= 0 ? performance.now() - watch.hiddenSince : 0);
});

EM_JS(int, TakeHeld, (), {
    var watch = Module.yorunVisibility;
    var held = watch.held;
    watch.held = false;
    return held ? 1 : 0;
});
// clang-format on

void Watch() {
    static const bool watching = (WatchVisibility(), true);
    static_cast<void>(watching);
}

}  // namespace

double SecondsSuspended() {
    Watch();
    return HiddenMilliseconds() / 1000.0;
}

bool TakeSuspension() {
    Watch();
    return TakeHeld() != 0;
}

}  // namespace platform
