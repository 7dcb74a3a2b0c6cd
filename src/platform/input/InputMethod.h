#pragma once

namespace platform {

// Switches the platform's text input (and with it any input method) off and on for the main window.
void StopTextInput();
void StartTextInput();
bool IsTextInputActive();

}  // namespace platform
