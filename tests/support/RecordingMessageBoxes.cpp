#include "support/RecordingMessageBoxes.h"

namespace testing_support {

std::vector<std::string> RecordingMessageBoxes::Texts() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

}  // namespace testing_support
