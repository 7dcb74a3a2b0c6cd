#pragma once

#include "platform/Message.h"

namespace platform {

// The thread's message queue. The SDL queue translates window events; a test installs a scripted one.
class MessageQueue {
public:
    virtual ~MessageQueue() = default;

    // Takes one message without waiting; false when none is pending.
    virtual bool Peek(Message& message) = 0;
    // Queues a message behind those already posted.
    virtual void Post(const Message& message) = 0;

    void PostQuit(int exitCode) {
        Message quit;
        quit.id = WM_QUIT;
        quit.wParam = static_cast<std::uintptr_t>(exitCode);
        Post(quit);
    }
};

// The queue in use. SetMessageQueue(nullptr) goes back to the SDL queue.
MessageQueue& GetMessageQueue();
void SetMessageQueue(MessageQueue* queue);

}  // namespace platform
