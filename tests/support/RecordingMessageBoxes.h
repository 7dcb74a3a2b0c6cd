#pragma once

#include <string>
#include <vector>

#include "platform/desktop/MessageBox.h"

namespace testing_support {

// Records the message boxes shown while it lives instead of showing them.
class RecordingMessageBoxes final : public platform::MessageBoxes {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    RecordingMessageBoxes() { platform::SetMessageBoxes(this); }
    ~RecordingMessageBoxes() override { platform::SetMessageBoxes(nullptr); }

    int Show(platform::WindowId, const char* caption, const char* text) override {
        boxes.push_back(Box{caption, text});
        return platform::IDOK;
    }

    std::vector<std::string> Texts() const;

    std::vector<Box> boxes;
};

}  // namespace testing_support
