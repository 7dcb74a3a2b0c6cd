#include "platform/events/MessageQueue.h"

#include "platform/input/InputLatch.h"
#include "platform/input/PadState.h"

namespace platform {

namespace {

void NoteInLatch(const Message& message) {
    InputLatch& latch = GetInputLatch();
    switch (message.id) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if ((message.lParam & kKeyWasDown) == 0 && message.wParam < 256) {
                latch.PressKey(static_cast<std::uint8_t>(message.wParam));
            }
            break;
        case WM_PADBUTTONDOWN:
            if (message.wParam < PadState::ButtonCount) {
                latch.PressPadButton(static_cast<std::int32_t>(message.lParam),
                                     static_cast<PadState::Button>(message.wParam));
            }
            break;
        case WM_MOUSEWHEEL:
            latch.TurnWheel(static_cast<std::int32_t>(message.lParam));
            break;
        case WM_LBUTTONDOWN:
            latch.PressMouseButton(0);
            break;
        default:
            break;
    }
}

}  // namespace

bool MessageQueue::Peek(Message& message) {
    if (!Take(message)) {
        return false;
    }
    NoteInLatch(message);
    return true;
}

void MessageQueue::PostQuit(int exitCode) {
    Message quit;
    quit.id = WM_QUIT;
    quit.wParam = static_cast<std::uintptr_t>(exitCode);
    Post(quit);
}

}  // namespace platform
