#include "platform/events/PostedMessages.h"

namespace platform {

bool PostedMessages::Take(Message& message) {
    if (count == 0) {
        return false;
    }
    message = ring[first];
    first = (first + 1) % kCapacity;
    --count;
    return true;
}

void PostedMessages::Put(const Message& message) {
    if (count == kCapacity) {
        return;
    }
    ring[(first + count) % kCapacity] = message;
    ++count;
}

}  // namespace platform
