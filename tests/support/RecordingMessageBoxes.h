#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Records the message boxes shown while it lives instead of showing them.
class RecordingMessageBoxes {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    RecordingMessageBoxes();
    ~RecordingMessageBoxes();

    std::vector<std::string> Texts() const;

    std::vector<Box> boxes;
};

}  // namespace testing_support
