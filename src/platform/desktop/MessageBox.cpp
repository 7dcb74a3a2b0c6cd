#include "platform/desktop/MessageBox.h"

namespace platform {

namespace {
MessageBoxes* currentBoxes = nullptr;
}  // namespace

int ShowInformationBox(WindowId owner, const char* caption, const char* text) {
    return GetMessageBoxes().Show(owner, caption != nullptr ? caption : "", text != nullptr ? text : "");
}

MessageBoxes& GetMessageBoxes() {
    return currentBoxes != nullptr ? *currentBoxes : DesktopMessageBoxes();
}

void SetMessageBoxes(MessageBoxes* boxes) {
    currentBoxes = boxes;
}

}  // namespace platform
