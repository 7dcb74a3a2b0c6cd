#include "app/Diagnostics.h"

#include <cstdarg>

#include "app/Application.h"
#include "app/Graphics.h"
#include "platform/desktop/MessageBox.h"

namespace Corvane {

namespace {

int ShowText(CApplication* application, const char* text) {
    return application != nullptr ? application->ShowBox(text) : platform::ShowInformationBox(0, "", text);
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
    char text[512];
    std::va_list arguments;
    va_start(arguments, format);
    FormatCut(text, sizeof(text), format, arguments);
    va_end(arguments);
    return ShowText(application, text);
}

}  // namespace Corvane
