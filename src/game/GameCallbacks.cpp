#include "game/GameCallbacks.h"

#include "app/Graphics.h"
#include "game/Game.h"
#include "platform/Device.h"

namespace Yorun {

namespace {
constexpr std::uint32_t kFieldGrey = 0xFF646464;
}

bool GameInitialize() {
    return GetGame().Initialize();
}

void GameUpdate() {
    GetGame().Update();
}

void GameDraw() {
    platform::Device* device = Corvane::g_pDevice;
    device->Clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, kFieldGrey, 1.0f, 0);
    if (platform::Succeeded(device->BeginScene())) {
        GetGame().Render();
        device->EndScene();
    }
}

void GameRender() {
    GameDraw();
    // Presented whether or not the scene was drawn.
    Corvane::g_pDevice->Present();
}

void GameRelease() {
    GetGame().Release();
}

Corvane::GameCallbacks GetGameCallbacks() {
    return Corvane::GameCallbacks{&GameInitialize, &GameUpdate, &GameRender, &GameRelease};
}

}  // namespace Yorun
