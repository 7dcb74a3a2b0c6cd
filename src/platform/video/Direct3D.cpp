#include "platform/video/Direct3D.h"

#include <SDL.h>

#include "platform/video/Device.h"
#include "platform/video/Window.h"

namespace platform {

namespace {

D3DFORMAT FormatOfPixels(Uint32 pixelFormat) {
    switch (SDL_BITSPERPIXEL(pixelFormat)) {
        case 24:
        case 32:
            return D3DFMT_X8R8G8B8;
        case 15:
        case 16:
            return D3DFMT_R5G6B5;
        default:
            return D3DFMT_UNKNOWN;
    }
}

}  // namespace

Direct3D* Direct3D::Create() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return nullptr;
    }
    return new Direct3D();
}

void Direct3D::Release() {
    delete this;
}

HRESULT Direct3D::GetAdapterDisplayMode(std::uint32_t adapter, D3DDISPLAYMODE& mode) const {
    SDL_DisplayMode sdlMode;
    if (SDL_GetDesktopDisplayMode(static_cast<int>(adapter), &sdlMode) != 0) {
        return E_FAIL;
    }
    mode.width = static_cast<std::uint32_t>(sdlMode.w);
    mode.height = static_cast<std::uint32_t>(sdlMode.h);
    mode.refreshRate = static_cast<std::uint32_t>(sdlMode.refresh_rate);
    mode.format = FormatOfPixels(sdlMode.format);
    return mode.format == D3DFMT_UNKNOWN ? E_FAIL : S_OK;
}

HRESULT Direct3D::CheckDeviceFormat(std::uint32_t, D3DDEVTYPE, D3DFORMAT adapterFormat, std::uint32_t usage,
                                    std::uint32_t resourceType, D3DFORMAT checkFormat) const {
    if ((usage & D3DUSAGE_DEPTHSTENCIL) == 0 || resourceType != D3DRTYPE_SURFACE) {
        return E_FAIL;
    }
    if (checkFormat == D3DFMT_D16) {
        return S_OK;
    }
    if (checkFormat == D3DFMT_D24S8) {
        return adapterFormat == D3DFMT_X8R8G8B8 ? S_OK : E_FAIL;
    }
    return E_FAIL;
}

HRESULT Direct3D::CreateDevice(std::uint32_t, D3DDEVTYPE type, Window* focusWindow, std::uint32_t,
                               const D3DPRESENT_PARAMETERS& parameters, Device** device) const {
    if (device == nullptr) {
        return E_INVALIDARG;
    }
    if (focusWindow != nullptr) {
        *device = Device::CreateForWindow(*focusWindow, type, parameters);
    } else {
        *device = Device::CreateForSurface(static_cast<int>(parameters.backBufferWidth),
                                           static_cast<int>(parameters.backBufferHeight));
    }
    return *device != nullptr ? S_OK : E_FAIL;
}

}  // namespace platform
