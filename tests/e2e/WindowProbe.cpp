// A program on the framework that shows a plain grey field with a red band down its right edge (the last 20
// of its 800 columns) and prints the main window's size and mode, as the window system reports them, each
// time they change: a test can switch full screen or resize the window and read the result.
#include <cstdio>

#include "app/Application.h"
#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

int shownWidth = -1;
int shownHeight = -1;
int shownFullscreen = -1;

bool Ready() {
    return true;
}

void Nothing() {}

void ReportWindow() {
    const platform::Window* window = Corvane::g_pApplication->GetWindowHandle();
    int width = 0;
    int height = 0;
    window->GetClientSize(width, height);
    const int fullscreen = window->IsFullscreen() ? 1 : 0;
    if (width != shownWidth || height != shownHeight || fullscreen != shownFullscreen) {
        shownWidth = width;
        shownHeight = height;
        shownFullscreen = fullscreen;
        std::printf("window %dx%d %s\n", width, height, fullscreen != 0 ? "fullscreen" : "windowed");
        std::fflush(stdout);
    }
}

void GreyField() {
    ReportWindow();
    platform::Device* device = Corvane::g_pDevice;
    device->Clear(platform::D3DCLEAR_TARGET, 0xFF646464, 1.0f, 0);
    for (int x = 780; x < 800; ++x) {
        const platform::ScreenVertex line[2] = {{x + 0.5f, 0.0f, 0.0f, 1.0f, 0xFFFF0000},
                                                {x + 0.5f, 600.0f, 0.0f, 1.0f, 0xFFFF0000}};
        device->DrawLineStrip(line, 1);
    }
    device->Present();
}

}  // namespace

int main(int argumentCount, char** arguments) {
    platform::InitVideo("Yorun");
    const Corvane::ProgramInstance instance{argumentCount, arguments};
    auto* application = new Corvane::CApplication();
    application->callbacks = Corvane::GameCallbacks{&Ready, &Nothing, &GreyField, &Nothing};
    if (application->Create(&instance, 0, 0, 800, 600, "Yorun", false)) {
        application->frameInterval = 0.016393442f;
        application->Run();
    }
    delete application;
    platform::ShutdownVideo();
    return 0;
}
