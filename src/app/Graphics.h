#pragma once

#include <cstdint>

#include "base/DeviceHandles.h"
#include "platform/system/Types.h"
#include "platform/video/DeviceTypes.h"

namespace platform {
class Font;
class Window;
}  // namespace platform

namespace Corvane {

// The graphics object: the device for the main window (hardware first, then the reference renderer), the
// diagnostic font and the one sprite batcher, the device's starting state, and the diagnostic drawing.
class CGraphics {
public:
    CGraphics() = default;
    ~CGraphics();

    CGraphics(const CGraphics&) = delete;
    CGraphics& operator=(const CGraphics&) = delete;

    platform::HRESULT Create(platform::Window* window, int width, int height, bool fullScreen);
    void Release();
    void SetDefaultStates();
    void DrawText(int x, int y, const char* text);
    void DrawFrameRect(int left, int top, int right, int bottom, std::uint32_t colour);

    platform::D3DPRESENT_PARAMETERS* presentParams = nullptr;
    std::uint32_t presentInterval = 0;
    platform::Font* font = nullptr;
    char textBuffer[4096] = {};
};

extern CGraphics* g_pGraphics;

}  // namespace Corvane
