#pragma once

#include <functional>

namespace platform {

class Window;

// Button identifiers a message box answers with.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Shows a modal information box with the given caption and text (UTF-8), owned by the window when there is
// one. The text also goes to standard error, so it is seen when no box can be shown (no display). Returns
// the button pressed.
int ShowInformationBox(Window* owner, const char* caption, const char* text);

// A test installs a handler to record the texts instead of showing boxes; an empty handler restores the
// boxes.
using MessageBoxHandler = std::function<int(const char* caption, const char* text)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform
