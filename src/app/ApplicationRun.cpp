#include <cmath>

#include "app/Application.h"
#include "app/ExitCodes.h"
#include "input/Input.h"
#include "platform/events/MessageQueue.h"
#include "platform/system/Clock.h"
#include "platform/system/FrameGate.h"

namespace Corvane {

namespace {

void CallIfSet(void (*callback)()) {
    if (callback != nullptr) {
        callback();
    }
}

}  // namespace

int CApplication::Run() {
    timer.Reset();
    ResetTextInput(window);

    // The game has reported what it could not load; the caller learns that the start failed.
    if (callbacks.initialize == nullptr || !callbacks.initialize()) {
        CallIfSet(callbacks.release);
        return EXIT_CODE_NO_GAME_DATA;
    }
    showBanner = false;

    platform::MessageQueue& queue = platform::GetMessageQueue();
    platform::Message message;
    for (;;) {
        if (queue.Peek(message)) {
            if (message.id == platform::WM_QUIT) {
                break;
            }
            // No modeless dialog or accelerator table is ever set, so every message goes to the window
            // procedure; the queue has already translated key-downs into characters.
            MainWindowProc(window, message);
            continue;
        }

        // A frame runs only in a turn that finds the queue empty. A NaN interval counts as no pacing. Where
        // the display's refresh paces the frames (a browser page), the loop waits for it instead, and goes
        // round for the messages first when no frame is due at that refresh.
        if (platform::DisplayPacesFrames()) {
            if (!platform::AwaitFrame(frameInterval)) {
                continue;
            }
        } else if (frameInterval > 0.0f) {
            timer.WaitFor(frameInterval);
        }
        timer.Tick();
        if (g_pInput != nullptr) {
            g_pInput->Refresh(active);
        }
        CallIfSet(callbacks.update);
        CallIfSet(callbacks.render);
        if (!active) {
            platform::GetClock().Yield();
        }
    }

    CallIfSet(callbacks.release);
    return static_cast<int>(message.wParam);
}

}  // namespace Corvane
