#include "base/ErrorReport.h"

#include <cstdio>
#include <cstring>

#include "platform/desktop/MessageBox.h"

namespace Corvane {

namespace {

int ShowUnowned(const char* text) {
    return platform::ShowInformationBox(0, "", text);
}

ReportRoute currentRoute = &ShowUnowned;

}  // namespace

void SetReportRoute(ReportRoute route) {
    currentRoute = route != nullptr ? route : &ShowUnowned;
}

void ReportError(const char* format, ...) {
    char text[512];
    std::va_list arguments;
    va_start(arguments, format);
    FormatCut(text, sizeof(text), format, arguments);
    va_end(arguments);
    currentRoute(text);
}

void FormatCut(char* text, std::size_t size, const char* format, std::va_list arguments) {
    const int wanted = std::vsnprintf(text, size, format, arguments);
    if (wanted < 0 || static_cast<std::size_t>(wanted) < size) {
        return;
    }
    std::size_t end = std::strlen(text);
    std::size_t start = end;
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) {
        --start;
    }
    if (start > 0 && static_cast<unsigned char>(text[start - 1]) >= 0xC0) {
        const unsigned char lead = static_cast<unsigned char>(text[start - 1]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (end - (start - 1) < length) {
            text[start - 1] = '\0';
        }
    }
}

}  // namespace Corvane
