#include "app/Graphics.h"

#include <cstring>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/constants.hpp>

#include "base/ErrorReport.h"
#include "platform/video/Device.h"
#include "platform/video/Direct3D.h"
#include "platform/video/Font.h"
#include "platform/video/SpriteBatcher.h"
#include "platform/video/Texture.h"
#include "resources/TextureList.h"

namespace Corvane {

using namespace platform;

CGraphics* g_pGraphics = nullptr;

CGraphics::~CGraphics() {
    delete presentParams;
    presentParams = nullptr;
    Release();
}

HRESULT CGraphics::Create(Window* window, int width, int height, bool fullScreen) {
    g_pD3D = Direct3D::Create();
    if (g_pD3D == nullptr) {
        ReportError("Direct3Dの作成に失敗しました");
        return E_FAIL;
    }

    D3DDISPLAYMODE mode;
    if (Failed(g_pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, mode))) {
        return E_FAIL;
    }

    if (presentParams == nullptr) {
        presentParams = new D3DPRESENT_PARAMETERS;
    }
    D3DPRESENT_PARAMETERS& parameters = *presentParams;
    parameters = D3DPRESENT_PARAMETERS{};
    parameters.backBufferWidth = static_cast<std::uint32_t>(width);
    parameters.backBufferHeight = static_cast<std::uint32_t>(height);
    parameters.backBufferFormat = mode.format;
    parameters.backBufferCount = 1;
    parameters.multiSampleType = D3DMULTISAMPLE_NONE;
    parameters.multiSampleQuality = 0;
    parameters.swapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.deviceWindow = window;
    parameters.windowed = true;
    parameters.enableAutoDepthStencil = true;
    parameters.flags = 0;
    parameters.fullScreenRefreshRate = 0;
    parameters.presentationInterval = presentInterval;
    parameters.autoDepthStencilFormat =
        Succeeded(g_pD3D->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, mode.format,
                                            D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE, D3DFMT_D24S8))
            ? D3DFMT_D24S8
            : D3DFMT_D16;
    if (fullScreen) {
        parameters.windowed = false;
        parameters.backBufferFormat = D3DFMT_X8R8G8B8;
    }

    // Hardware first (both vertex processing kinds), then the reference renderer after telling the user.
    const std::uint32_t hardware = D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MULTITHREADED;
    const std::uint32_t software = D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_MULTITHREADED;
    HRESULT result =
        g_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, hardware, parameters, &g_pDevice);
    if (Failed(result)) {
        result = g_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, software, parameters,
                                      &g_pDevice);
    }
    if (Failed(result)) {
        ReportError("HALモードでDirect3Dデバイスを作成できません\nREFモードで再試行します");
        result = g_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, window, hardware, parameters,
                                      &g_pDevice);
        if (Failed(result)) {
            result = g_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, window, software, parameters,
                                          &g_pDevice);
        }
        if (Failed(result)) {
            ReportError("Direct3Dデバイスの作成に失敗しました");
            return E_FAIL;
        }
    }

    // A 12-pixel bold fixed-pitch Gothic face.
    font = Font::Create(g_pDevice, 12, 700, "標準ゴシック");
    if (font == nullptr) {
        ReportError("D3DXCreateFontに失敗しました");
        return E_FAIL;
    }

    g_pSprite = SpriteBatcher::Create(g_pDevice);
    if (g_pSprite == nullptr) {
        ReportError("D3DXCreateSpriteに失敗しました \n");
        return E_FAIL;
    }

    SetDefaultStates();
    return S_OK;
}

void CGraphics::SetDefaultStates() {
    Device* device = g_pDevice;
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    device->SetRenderState(D3DRS_AMBIENT, 0xFF111111);
    device->SetRenderState(D3DRS_SPECULARENABLE, 1);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, 1);
    device->SetRenderState(D3DRS_ALPHAREF, 1);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device->SetRenderState(D3DRS_LIGHTING, 0);

    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_CURRENT);

    const glm::mat4 view =
        glm::lookAtLH(glm::vec3(0.0f, 0.0f, -3.0f), glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    const float aspect =
        static_cast<float>(device->GetBackBufferWidth()) / static_cast<float>(device->GetBackBufferHeight());
    const glm::mat4 projection = glm::perspectiveLH(glm::quarter_pi<float>(), aspect, 0.01f, 5000.0f);
    device->SetTransform(D3DTS_VIEW, view);
    device->SetTransform(D3DTS_PROJECTION, projection);
    device->SetTransform(D3DTS_WORLD, glm::mat4(1.0f));
}

void CGraphics::DrawText(int x, int y, const char* text) {
    if (font == nullptr || text == nullptr) {
        return;
    }
    std::strncpy(textBuffer, text, sizeof(textBuffer) - 1);
    textBuffer[sizeof(textBuffer) - 1] = '\0';
    Rect rect{x, y, 0, 0};
    font->DrawText(textBuffer, &rect, DT_CALCRECT, 0);
    rect.left += 1;
    rect.top += 1;
    rect.right += 1;
    rect.bottom += 1;
    font->DrawText(textBuffer, &rect, DT_BOTTOM, 0xFF808080);
    rect.left -= 1;
    rect.top -= 1;
    rect.right -= 1;
    rect.bottom -= 1;
    font->DrawText(textBuffer, &rect, DT_BOTTOM, 0xFF00FF00);
}

void CGraphics::DrawFrameRect(int left, int top, int right, int bottom, std::uint32_t colour) {
    Device* device = g_pDevice;
    if (device == nullptr) {
        return;
    }
    const std::uint32_t lighting = device->GetRenderState(D3DRS_LIGHTING);
    device->SetRenderState(D3DRS_LIGHTING, 0);
    Texture* texture = device->GetTexture(0);
    device->SetTexture(0, nullptr);

    const auto point = [colour](int x, int y) {
        return ScreenVertex{static_cast<float>(x), static_cast<float>(y), 0.0f, 1.0f, colour};
    };
    const ScreenVertex strip[5] = {point(left, top), point(left, bottom), point(right, bottom),
                                   point(right, top), point(left, top)};
    device->DrawLineStrip(strip, 4);

    device->SetTexture(0, texture);
    if (texture != nullptr) {
        texture->Release();  // the reference GetTexture added
    }
    device->SetRenderState(D3DRS_LIGHTING, lighting);
}

void CGraphics::Release() {
    // By now the application has emptied the texture cache already; this catches a release on its own.
    g_pTextureList->Destroy();
    delete font;
    font = nullptr;
    if (g_pSprite != nullptr) {
        g_pSprite->Release();
        g_pSprite = nullptr;
    }
    delete g_pDevice;
    g_pDevice = nullptr;
    if (g_pD3D != nullptr) {
        g_pD3D->Release();
        g_pD3D = nullptr;
    }
}

}  // namespace Corvane
