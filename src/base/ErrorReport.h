#pragma once

#include <cstdarg>
#include <cstddef>

namespace Corvane {

// How start-up and loading errors reach the user: a modal information box, with the main window as its
// owner and the window's title as its caption (512-byte buffer, longer text is cut).
void ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where reports go. The application object routes them to its own boxes while it lives; without one they
// are shown with no owner and no caption.
using ReportRoute = int (*)(const char* text);
void SetReportRoute(ReportRoute route);

// Formats into the buffer like vsnprintf. A cut in the middle of a multi-byte character would leave invalid
// UTF-8 behind, so the partial character is dropped.
void FormatCut(char* text, std::size_t size, const char* format, std::va_list arguments);

}  // namespace Corvane
