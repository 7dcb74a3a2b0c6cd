// A program on the framework whose game takes its time to initialise: it waits until the file named by
// its first argument exists (or 30 seconds pass), so that a test can look at the start-up banner. Then it
// shows a plain grey field.
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/Application.h"
#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

const char* releaseFile = nullptr;

bool SlowInitialize() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline && !std::filesystem::exists(releaseFile)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void Nothing() {}

void GreyField() {
    platform::Device* device = Corvane::g_pDevice;
    device->Clear(platform::D3DCLEAR_TARGET, 0xFF646464, 1.0f, 0);
    device->Present();
}

}  // namespace

int main(int argumentCount, char** arguments) {
    if (argumentCount < 2) {
        return 2;
    }
    releaseFile = arguments[1];
    platform::InitVideo("Yorun");
    const Corvane::ProgramInstance instance{argumentCount, arguments};
    auto* application = new Corvane::CApplication();
    application->callbacks = Corvane::GameCallbacks{&SlowInitialize, &Nothing, &GreyField, &Nothing};
    if (application->Create(&instance, 0, 0, 800, 600, "Yorun", false)) {
        application->frameInterval = 0.016393442f;
        application->Run();
    }
    delete application;
    platform::ShutdownVideo();
    return 0;
}
