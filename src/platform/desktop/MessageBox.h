#pragma once

#include "platform/system/Types.h"

namespace platform {

// Button identifiers a message box answers with.
constexpr int IDOK = 1;

// Shows a modal information box with the given caption and text (UTF-8), owned by the window when there is
// one (0: none), through the message boxes in use. Returns the button pressed.
int ShowInformationBox(WindowId owner, const char* caption, const char* text);

// How boxes are shown. The desktop's own boxes are the default; a test installs its own to record the
// texts, and null puts the desktop's back.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(WindowId owner, const char* caption, const char* text) = 0;
};

MessageBoxes& GetMessageBoxes();
void SetMessageBoxes(MessageBoxes* boxes);

// The desktop's own boxes, made by the desktop's own file (linux/DesktopMessageBoxes.cpp: SDL's boxes,
// with the text also on standard error so that it is seen where no box can be shown).
MessageBoxes& DesktopMessageBoxes();

}  // namespace platform
