#pragma once

#include <cstdint>

#include "platform/system/Types.h"
#include "platform/video/DeviceTypes.h"

namespace platform {

class Device;
class Window;

// The graphics system object: display mode, format checks and device creation over SDL's renderers. The
// hardware device type asks SDL for an accelerated renderer, the reference type for the software one.
class Direct3D {
public:
    // Null when there is no video system to render with.
    static Direct3D* Create();

    Direct3D(const Direct3D&) = delete;
    Direct3D& operator=(const Direct3D&) = delete;

    HRESULT GetAdapterDisplayMode(std::uint32_t adapter, D3DDISPLAYMODE& mode) const;
    // Depth formats: the 2D renderer keeps no depth buffer, so a depth format counts as available when the
    // display's pixels have the depth bits it would be paired with (24-bit depth with 32-bit displays).
    HRESULT CheckDeviceFormat(std::uint32_t adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                              std::uint32_t usage, std::uint32_t resourceType, D3DFORMAT checkFormat) const;
    // A device for the window, or, with no window, the software renderer over an off-screen surface of the
    // back buffer's size.
    HRESULT CreateDevice(std::uint32_t adapter, D3DDEVTYPE type, Window* focusWindow,
                         std::uint32_t behaviourFlags, const D3DPRESENT_PARAMETERS& parameters,
                         Device** device) const;

    void Release();

private:
    Direct3D() = default;
    ~Direct3D() = default;
};

}  // namespace platform
