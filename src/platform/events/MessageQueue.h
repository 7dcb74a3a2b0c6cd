#pragma once

#include "platform/events/Message.h"

namespace platform {

// The thread's message queue. The SDL queue translates window events; a test installs a scripted one.
class MessageQueue {
public:
    virtual ~MessageQueue() = default;

    // Takes one message without waiting; false when none is pending. A message that reports a press (a key
    // or a pad's button going down) or the wheel's turn is noted in the input latch on its way out, so the
    // next read of the devices sees it, whichever queue delivered it.
    bool Peek(Message& message);
    // Queues a message behind those already posted.
    virtual void Post(const Message& message) = 0;

    void PostQuit(int exitCode);

protected:
    // The queue's next message, without waiting; false when none is pending.
    virtual bool Take(Message& message) = 0;
};

// The queue in use. SetMessageQueue(nullptr) goes back to the SDL queue.
MessageQueue& GetMessageQueue();
void SetMessageQueue(MessageQueue* queue);

}  // namespace platform
