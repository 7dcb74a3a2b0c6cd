#pragma once

#include <deque>
#include <functional>

#include "platform/events/MessageQueue.h"

namespace testing_support {

// A message queue that hands out the messages a test scripted, then whatever the code posts. Installed for
// the lifetime of the object. onEmpty runs each time the queue is found empty (once per frame in the loop).
class ScriptedMessageQueue final : public platform::MessageQueue {
public:
    ScriptedMessageQueue();
    ~ScriptedMessageQueue() override;

    void Post(const platform::Message& message) override { messages.push_back(message); }

    void Add(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    std::deque<platform::Message> messages;
    std::function<void()> onEmpty;

protected:
    bool Take(platform::Message& message) override;
};

}  // namespace testing_support
