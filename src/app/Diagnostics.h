#pragma once

#include <cstdint>

#include "base/ErrorReport.h"

namespace Corvane {

class CApplication;

// Formatted diagnostic text at a pixel of the back buffer, green with a grey shadow (1024-byte buffer,
// longer text is cut). Only between the device's begin and end of scene.
void DebugPrint(CApplication* application, int x, int y, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Outline of a rectangle in screen pixels with an ARGB colour. Only between begin and end of scene.
void DebugRect(int left, int top, int right, int bottom, std::uint32_t colour);
// A modal information box with the application's window as owner and its title as caption (512-byte
// buffer, longer text is cut); returns the button pressed. ReportError (base) does the same for
// g_pApplication.
int ShowMessageBox(CApplication* application, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace Corvane
