#include "game/Game.h"

#include "game/GameState.h"

namespace Yorun {

CGame& GetGame() {
    static CGame game;
    return game;
}

bool CGame::Initialize() {
    state = &GetGameState();
    // Set directly, not as a scene change: nothing reacts to entering the first scene.
    state->scene = SCENE_TITLE;
    state->LoadResources();
    return titleScene.Initialize();
}

void CGame::Release() {
    if (state != nullptr) {
        state->ReleaseResources();
    }
    titleScene.Release();
}

void CGame::Update() {
    switch (state->scene) {
        case SCENE_TITLE:
            titleScene.Update();
            // The title has just confirmed a difficulty: the game starts in this same update.
            if (state->sceneChanged) {
                StartNewGame();
            }
            break;
        default:
            break;
    }
    state->EndUpdate();
}

void CGame::Render() {
    switch (state->scene) {
        case SCENE_TITLE:
            titleScene.Render();
            break;
        default:
            break;
    }
}

void CGame::StartNewGame() {
    countdownTime = 1.0f;
    countdownValue = 4;
    state->StopAllCues();
    state->score = 0;
    state->maxScore = 0;
    state->combo = 0;
    countdownScale = 1.5f;
}

}  // namespace Yorun
