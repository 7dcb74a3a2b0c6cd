#include <cstdio>

#include "app/Application.h"
#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/Font.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace Corvane {

using namespace platform;

namespace {
constexpr std::uint32_t kDarkGrey = 0xFF404040;
constexpr std::uint32_t kLightGrey = 0xFFC0C0C0;
constexpr std::uint32_t kMiddleGrey = 0xFF808080;
constexpr const char* kFrameworkVersion = "9.9.9.25a";
}  // namespace

// The banner shows from the moment the device exists until the game has initialised: the framework's
// version at the lower right, and under it what it runs on.
void CApplication::PaintBanner() {
    if (g_pDevice == nullptr) {
        return;
    }
    Device& device = *g_pDevice;
    device.Clear(D3DCLEAR_TARGET, kDarkGrey, 1.0f, 0);
    Font* font = Font::Create(&device, 15, 400, "");
    if (font != nullptr) {
        Rect rect{50, height * 5 / 6, width - 50, height};
        char line[160];
        std::snprintf(line, sizeof(line), "Corvane %s", kFrameworkVersion);
        font->DrawText(line, &rect, DT_RIGHT, kLightGrey);

        int major = 0;
        int minor = 0;
        int patch = 0;
        GetSdlVersion(major, minor, patch);
        rect.top += 30;
        std::snprintf(line, sizeof(line), "SDL %d.%d.%d, %s renderer", major, minor, patch,
                      device.GetRendererName());
        font->DrawText(line, &rect, DT_RIGHT, kMiddleGrey);
        delete font;
    }
    device.Present();
}

}  // namespace Corvane
