#include "app/Diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "app/Application.h"
#include "app/Graphics.h"
#include "platform/MessageBox.h"

namespace Corvane {

namespace {

// A cut in the middle of a multi-byte character would leave invalid UTF-8 behind: drop the partial one.
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

int ShowFormatted(CApplication* application, const char* format, std::va_list arguments) {
    char text[512];
    FormatCut(text, sizeof(text), format, arguments);
    platform::Window* owner = application != nullptr ? application->window : nullptr;
    const char* caption = application != nullptr ? application->title : "";
    return platform::ShowInformationBox(owner, caption, text);
}

}  // namespace

void DebugPrint(CApplication*, int x, int y, const char* format, ...) {
    if (g_pGraphics == nullptr) {
        return;
    }
    char text[1024];
    std::va_list arguments;
    va_start(arguments, format);
    FormatCut(text, sizeof(text), format, arguments);
    va_end(arguments);
    g_pGraphics->DrawText(x, y, text);
}

void DebugRect(int left, int top, int right, int bottom, std::uint32_t colour) {
    if (g_pGraphics != nullptr) {
        g_pGraphics->DrawFrameRect(left, top, right, bottom, colour);
    }
}

int ShowMessageBox(CApplication* application, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const int button = ShowFormatted(application, format, arguments);
    va_end(arguments);
    return button;
}

void ReportError(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    ShowFormatted(g_pApplication, format, arguments);
    va_end(arguments);
}

}  // namespace Corvane
