#pragma once

#include "platform/events/MessageQueue.h"
#include "platform/events/PostedMessages.h"

union SDL_Event;

namespace platform {

// The message queue over SDL's event queue. Posted messages come first; otherwise one SDL event is taken
// per turn and translated into the window message that stands for it (an event with no counterpart becomes
// WM_NULL, which the window procedure ignores). An event that stands for two messages (Escape's key-down
// with its character, the start of a composition with its first text) leaves the second for the next turn.
//
// The mouse pointer plays no part in the game: it is hidden over the window while the keyboard or a pad is
// in use, and shown again as soon as the mouse moves.
class SdlMessageQueue final : public MessageQueue {
public:
    void Post(const Message& message) override;

protected:
    bool Take(Message& message) override;

private:
    // Fills message (and a follow-up in pending) from one event.
    void Translate(const SDL_Event& event, Message& message);
    void ShowPointer(bool show);

    PostedMessages posted;
    PostedMessages pending;
    bool composing = false;
    bool pointerHidden = false;
};

}  // namespace platform
