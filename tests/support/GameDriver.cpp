#include "support/GameDriver.h"

#include "game/GameCallbacks.h"
#include "input/Input.h"

namespace testing_support {

GameDriver::GameDriver()
    : mixer(std::make_shared<platform::AudioMixer>(platform::AudioOutput::kRate)),
      audio(std::make_unique<platform::PulledAudio>(mixer)) {
    application.width = 800;
    application.height = 600;
    application.active = true;
    Corvane::g_pInput = new Corvane::CInput;
    Corvane::g_pInput->Create();
    application.timer.Reset();
}

GameDriver::~GameDriver() {
    if (initialized) {
        Yorun::GameRelease();
    }
}

bool GameDriver::Initialize() {
    initialized = true;
    const bool result = Yorun::GameInitialize();
    application.timer.Reset();
    return result;
}

void GameDriver::Frame(double seconds, bool draw) {
    clock.Advance(seconds);
    application.timer.Tick();
    Corvane::g_pInput->Refresh(application.active);
    Yorun::GameUpdate();
    if (draw) {
        Yorun::GameRender();
    }
    if (afterFrame) {
        afterFrame();
    }
}

void GameDriver::Frames(int count) {
    for (int frame = 0; frame < count; ++frame) {
        Frame();
    }
}

void GameDriver::Tap(int key) {
    keyboard.Press(key);
    Frame();
    keyboard.Release(key);
    Frame();
}

}  // namespace testing_support
