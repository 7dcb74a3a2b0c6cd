#pragma once

#include <cstdint>

// The graphics device's vocabulary: render states, blend factors, formats and flags under the names and
// values the framework's steps use, so that code above the platform reads the same as the steps it follows.
namespace platform {

using D3DRENDERSTATETYPE = std::uint32_t;
constexpr D3DRENDERSTATETYPE D3DRS_ZENABLE = 7;
constexpr D3DRENDERSTATETYPE D3DRS_FILLMODE = 8;
constexpr D3DRENDERSTATETYPE D3DRS_ALPHATESTENABLE = 15;
constexpr D3DRENDERSTATETYPE D3DRS_SRCBLEND = 19;
constexpr D3DRENDERSTATETYPE D3DRS_DESTBLEND = 20;
constexpr D3DRENDERSTATETYPE D3DRS_CULLMODE = 22;
constexpr D3DRENDERSTATETYPE D3DRS_ALPHAREF = 24;
constexpr D3DRENDERSTATETYPE D3DRS_ALPHAFUNC = 25;
constexpr D3DRENDERSTATETYPE D3DRS_ALPHABLENDENABLE = 27;
constexpr D3DRENDERSTATETYPE D3DRS_SPECULARENABLE = 29;
constexpr D3DRENDERSTATETYPE D3DRS_LIGHTING = 137;
constexpr D3DRENDERSTATETYPE D3DRS_AMBIENT = 139;
constexpr std::uint32_t kRenderStateCount = 256;

constexpr std::uint32_t D3DFILL_SOLID = 3;
constexpr std::uint32_t D3DCULL_NONE = 1;
constexpr std::uint32_t D3DCULL_CCW = 3;
constexpr std::uint32_t D3DZB_FALSE = 0;
constexpr std::uint32_t D3DZB_TRUE = 1;
constexpr std::uint32_t D3DCMP_ALWAYS = 8;
constexpr std::uint32_t D3DCMP_GREATEREQUAL = 7;

using D3DBLEND = std::uint32_t;
constexpr D3DBLEND D3DBLEND_ZERO = 1;
constexpr D3DBLEND D3DBLEND_ONE = 2;
constexpr D3DBLEND D3DBLEND_SRCCOLOR = 3;
constexpr D3DBLEND D3DBLEND_INVSRCCOLOR = 4;
constexpr D3DBLEND D3DBLEND_SRCALPHA = 5;
constexpr D3DBLEND D3DBLEND_INVSRCALPHA = 6;
constexpr D3DBLEND D3DBLEND_DESTALPHA = 7;
constexpr D3DBLEND D3DBLEND_INVDESTALPHA = 8;
constexpr D3DBLEND D3DBLEND_DESTCOLOR = 9;
constexpr D3DBLEND D3DBLEND_INVDESTCOLOR = 10;

using D3DTEXTURESTAGESTATETYPE = std::uint32_t;
constexpr D3DTEXTURESTAGESTATETYPE D3DTSS_COLOROP = 1;
constexpr D3DTEXTURESTAGESTATETYPE D3DTSS_COLORARG1 = 2;
constexpr D3DTEXTURESTAGESTATETYPE D3DTSS_COLORARG2 = 3;
constexpr D3DTEXTURESTAGESTATETYPE D3DTSS_ALPHAOP = 4;
constexpr D3DTEXTURESTAGESTATETYPE D3DTSS_ALPHAARG1 = 5;
constexpr D3DTEXTURESTAGESTATETYPE D3DTSS_ALPHAARG2 = 6;
constexpr std::uint32_t kTextureStageStateCount = 33;
constexpr std::uint32_t kTextureStageCount = 8;

constexpr std::uint32_t D3DTOP_DISABLE = 1;
constexpr std::uint32_t D3DTOP_SELECTARG1 = 2;
constexpr std::uint32_t D3DTOP_MODULATE = 4;
constexpr std::uint32_t D3DTA_DIFFUSE = 0;
constexpr std::uint32_t D3DTA_CURRENT = 1;
constexpr std::uint32_t D3DTA_TEXTURE = 2;

using D3DTRANSFORMSTATETYPE = std::uint32_t;
constexpr D3DTRANSFORMSTATETYPE D3DTS_VIEW = 2;
constexpr D3DTRANSFORMSTATETYPE D3DTS_PROJECTION = 3;
constexpr D3DTRANSFORMSTATETYPE D3DTS_WORLD = 256;

constexpr std::uint32_t D3DCLEAR_TARGET = 1;
constexpr std::uint32_t D3DCLEAR_ZBUFFER = 2;

using D3DFORMAT = std::uint32_t;
constexpr D3DFORMAT D3DFMT_UNKNOWN = 0;
constexpr D3DFORMAT D3DFMT_X8R8G8B8 = 22;
constexpr D3DFORMAT D3DFMT_R5G6B5 = 23;
constexpr D3DFORMAT D3DFMT_D24S8 = 75;
constexpr D3DFORMAT D3DFMT_D16 = 80;

using D3DDEVTYPE = std::uint32_t;
constexpr D3DDEVTYPE D3DDEVTYPE_HAL = 1;
constexpr D3DDEVTYPE D3DDEVTYPE_REF = 2;

constexpr std::uint32_t D3DADAPTER_DEFAULT = 0;
constexpr std::uint32_t D3DCREATE_MULTITHREADED = 0x00000004;
constexpr std::uint32_t D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x00000020;
constexpr std::uint32_t D3DCREATE_HARDWARE_VERTEXPROCESSING = 0x00000040;
constexpr std::uint32_t D3DUSAGE_DEPTHSTENCIL = 0x00000002;
constexpr std::uint32_t D3DRTYPE_SURFACE = 1;
constexpr std::uint32_t D3DSWAPEFFECT_DISCARD = 1;
constexpr std::uint32_t D3DMULTISAMPLE_NONE = 0;

constexpr std::uint32_t D3DPRESENT_INTERVAL_DEFAULT = 0x00000000;
constexpr std::uint32_t D3DPRESENT_INTERVAL_IMMEDIATE = 0x80000000;

constexpr std::uint32_t D3DFVF_XYZRHW = 0x004;
constexpr std::uint32_t D3DFVF_DIFFUSE = 0x040;

struct D3DDISPLAYMODE {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t refreshRate = 0;
    D3DFORMAT format = D3DFMT_UNKNOWN;
};

struct D3DPRESENT_PARAMETERS {
    std::uint32_t backBufferWidth = 0;
    std::uint32_t backBufferHeight = 0;
    D3DFORMAT backBufferFormat = D3DFMT_UNKNOWN;
    std::uint32_t backBufferCount = 0;
    std::uint32_t multiSampleType = D3DMULTISAMPLE_NONE;
    std::uint32_t multiSampleQuality = 0;
    std::uint32_t swapEffect = 0;
    class Window* deviceWindow = nullptr;
    bool windowed = true;
    bool enableAutoDepthStencil = false;
    D3DFORMAT autoDepthStencilFormat = D3DFMT_UNKNOWN;
    std::uint32_t flags = 0;
    std::uint32_t fullScreenRefreshRate = 0;
    std::uint32_t presentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
};

// A pre-transformed vertex with a colour (D3DFVF_XYZRHW | D3DFVF_DIFFUSE).
struct ScreenVertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float rhw = 1.0f;
    std::uint32_t colour = 0;
};

// Text formats of the bitmap font.
constexpr std::uint32_t DT_CENTER = 0x001;
constexpr std::uint32_t DT_RIGHT = 0x002;
constexpr std::uint32_t DT_VCENTER = 0x004;
constexpr std::uint32_t DT_BOTTOM = 0x008;
constexpr std::uint32_t DT_CALCRECT = 0x400;

}  // namespace platform
