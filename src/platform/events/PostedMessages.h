#pragma once

#include <array>
#include <cstddef>

#include "platform/events/Message.h"

namespace platform {

// A fixed ring of posted messages, first in first out. Posting into a full ring drops the message, as a
// full system queue would; nothing is allocated.
class PostedMessages {
public:
    bool Take(Message& message);
    void Put(const Message& message);
    bool Empty() const { return count == 0; }

private:
    static constexpr std::size_t kCapacity = 64;

    std::array<Message, kCapacity> ring{};
    std::size_t first = 0;
    std::size_t count = 0;
};

}  // namespace platform
