#pragma once

namespace platform {

class Window;

// Button identifiers a message box answers with.
constexpr int IDOK = 1;

// Shows a modal information box with the given caption and text (UTF-8), owned by the window when there is
// one, through the message boxes in use. Returns the button pressed.
int ShowInformationBox(Window* owner, const char* caption, const char* text);

// How boxes are shown. SDL's boxes are the default: the text also goes to standard error, so it is seen
// when no box can be shown (no display). A test installs its own to record the texts, and null puts SDL's
// back.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(Window* owner, const char* caption, const char* text) = 0;
};

MessageBoxes& GetMessageBoxes();
void SetMessageBoxes(MessageBoxes* boxes);

}  // namespace platform
