#include "support/RecordingMessageBoxes.h"

#include "platform/MessageBox.h"

namespace testing_support {

RecordingMessageBoxes::RecordingMessageBoxes() {
    platform::SetMessageBoxHandler([this](const char* caption, const char* text) {
        boxes.push_back(Box{caption, text});
        return platform::IDOK;
    });
}

RecordingMessageBoxes::~RecordingMessageBoxes() {
    platform::SetMessageBoxHandler(nullptr);
}

std::vector<std::string> RecordingMessageBoxes::Texts() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

}  // namespace testing_support
