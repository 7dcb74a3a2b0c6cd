#include "game/GameCallbacks.h"

#include "app/Graphics.h"
#include "platform/Device.h"

namespace Yorun {

namespace {
constexpr std::uint32_t kFieldGrey = 0xFF646464;
}

bool GameInitialize() {
    return true;
}

void GameUpdate() {}

void GameRender() {
    platform::Device* device = Corvane::g_pDevice;
    device->Clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, kFieldGrey, 1.0f, 0);
    if (platform::Succeeded(device->BeginScene())) {
        device->EndScene();
    }
    device->Present();
}

void GameRelease() {}

Corvane::GameCallbacks GetGameCallbacks() {
    return Corvane::GameCallbacks{&GameInitialize, &GameUpdate, &GameRender, &GameRelease};
}

}  // namespace Yorun
