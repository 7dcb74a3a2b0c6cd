#include "support/ScriptedMessageQueue.h"

namespace testing_support {

ScriptedMessageQueue::ScriptedMessageQueue() {
    platform::SetMessageQueue(this);
}

ScriptedMessageQueue::~ScriptedMessageQueue() {
    platform::SetMessageQueue(nullptr);
}

bool ScriptedMessageQueue::Take(platform::Message& message) {
    if (messages.empty()) {
        if (onEmpty) {
            onEmpty();
        }
        return false;
    }
    message = messages.front();
    messages.pop_front();
    return true;
}

void ScriptedMessageQueue::Add(std::uint32_t id, std::uintptr_t wParam, std::intptr_t lParam) {
    platform::Message message;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    messages.push_back(message);
}

}  // namespace testing_support
