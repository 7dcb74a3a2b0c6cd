#include "game/Screen.h"

#include "app/Application.h"

namespace Yorun {

namespace {
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
}  // namespace

int ScreenWidth() {
    return Corvane::g_pApplication != nullptr ? Corvane::g_pApplication->width : kDefaultWidth;
}

int ScreenHeight() {
    return Corvane::g_pApplication != nullptr ? Corvane::g_pApplication->height : kDefaultHeight;
}

platform::Window* MainWindow() {
    return Corvane::g_pApplication != nullptr ? Corvane::g_pApplication->GetWindowHandle() : nullptr;
}

float FrameSeconds() {
    if (Corvane::g_pApplication == nullptr) {
        return 0.0f;
    }
    const Corvane::CFrameTimer& timer = Corvane::g_pApplication->timer;
    if (timer.frequency == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(timer.frameTicks) / static_cast<double>(timer.frequency));
}

void EnterDataDirectory(const char* name) {
    if (Corvane::g_pApplication != nullptr) {
        Corvane::g_pApplication->SetWorkDirectory(name);
    }
}

}  // namespace Yorun
