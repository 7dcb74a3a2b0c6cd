#pragma once

#include "app/Application.h"

namespace Yorun {

bool GameInitialize();
void GameUpdate();
void GameRender();
// The render callback's drawing, without presenting the picture.
void GameDraw();
void GameRelease();
// Escape: true when the game takes it for itself (it leaves a replay).
bool GameEscape();

// The four functions above, as the framework takes them.
Corvane::GameCallbacks GetGameCallbacks();

}  // namespace Yorun
