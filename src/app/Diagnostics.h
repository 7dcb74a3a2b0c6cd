#pragma once

#include <cstdint>

namespace Corvane {

class CApplication;

// Formatted diagnostic text at a pixel of the back buffer, green with a grey shadow (1024-byte buffer,
// longer text is cut). Only between the device's begin and end of scene.
void DebugPrint(CApplication* application, int x, int y, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Outline of a rectangle in screen pixels with an ARGB colour. Only between begin and end of scene.
void DebugRect(int left, int top, int right, int bottom, std::uint32_t colour);
// A modal information box with the application's title as caption (512-byte buffer, longer text is cut);
// returns the button pressed.
int ShowMessageBox(CApplication* application, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The same for g_pApplication: how start-up and loading errors reach the user.
void ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace Corvane
