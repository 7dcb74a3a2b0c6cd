#include "game/GameCallbacks.h"

#include <string>
#include <utility>

#include "app/Graphics.h"
#include "base/ErrorReport.h"
#include "game/Game.h"
#include "game/GameOptions.h"
#include "platform/video/Device.h"

namespace Yorun {

namespace {
constexpr std::uint32_t kFieldGrey = 0xFF646464;
}

bool GameInitialize() {
    if (!GetGame().Initialize()) {
        return false;
    }
    // A replay asked for on the command line plays first; one that cannot be played is reported and the
    // game starts at its title as always.
    const std::string& wanted = GetGameOptions().replay;
    if (!wanted.empty()) {
        Replay replay;
        std::string error;
        if (GetGame().records.Load(wanted, replay, error)) {
            GetGame().StartReplay(std::move(replay));
        } else {
            Corvane::ReportError("%s", error.c_str());
        }
    }
    return true;
}

bool GameEscape() {
    return GetGame().TakeEscape();
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
    return Corvane::GameCallbacks{&GameInitialize, &GameUpdate, &GameRender, &GameRelease, &GameEscape};
}

}  // namespace Yorun
