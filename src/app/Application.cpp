#include "app/Application.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/Graphics.h"
#include "app/OptionWords.h"
#include "base/ErrorReport.h"
#include "input/Input.h"
#include "platform/desktop/MessageBox.h"
#include "platform/events/MessageQueue.h"
#include "platform/system/CurrentDirectory.h"
#include "platform/system/ExecutablePath.h"
#include "platform/video/Window.h"
#include "resources/TextureList.h"

namespace Corvane {

CApplication* g_pApplication = nullptr;

namespace {

// The route the application object gives error reports: its own boxes.
int ReportToApplication(const char* text) {
    return g_pApplication != nullptr ? g_pApplication->ShowBox(text)
                                     : platform::ShowInformationBox(0, "", text);
}

}  // namespace

bool CutAtLastSeparator(char* path) {
    // UTF-8 continuation bytes never equal a separator, so a plain byte search is safe.
    char* separator = std::strrchr(path, '\\');
    if (separator == nullptr) {
        separator = std::strrchr(path, '/');
    }
    if (separator == nullptr) {
        return false;
    }
    *separator = '\0';
    return true;
}

CApplication::CApplication() {
    g_pApplication = this;
    SetReportRoute(&ReportToApplication);
    ComputeBaseDirectory();
    platform::SetCurrentDirectory(baseDirectory);
}

CApplication::~CApplication() {
    ReleaseSubsystems();
    delete window;
    window = nullptr;
    if (g_pApplication == this) {
        g_pApplication = nullptr;
        SetReportRoute(nullptr);
    }
}

void CApplication::ComputeBaseDirectory() {
    // The executable lies in a directory of its own; the data directories lie beside that directory.
    char path[513];
    platform::GetExecutablePath(path, sizeof(path));
    CutAtLastSeparator(path);
    CutAtLastSeparator(path);
    std::strncpy(baseDirectory, path, sizeof(baseDirectory) - 1);
    baseDirectory[sizeof(baseDirectory) - 1] = '\0';
}

int CApplication::ShowBox(const char* text) const {
    return platform::ShowInformationBox(window != nullptr ? window->GetId() : 0, title, text);
}

void CApplication::SetWorkDirectory(const char* name) {
    char path[1024];
    if (name == nullptr) {
        std::snprintf(path, sizeof(path), "%s", baseDirectory);
    } else {
        std::snprintf(path, sizeof(path), "%s/%s", baseDirectory, name);
    }
    platform::SetCurrentDirectory(path);
}

void CApplication::Quit() {
    platform::GetMessageQueue().PostQuit(0);
}

bool CApplication::Create(const ProgramInstance* programInstance, int x, int y, int clientWidth,
                          int clientHeight, const char* windowTitle, bool fullScreenMode) {
    instance = programInstance;
    width = clientWidth;
    height = clientHeight;
    fullScreen = fullScreenMode;
    if (windowTitle != nullptr) {
        std::strncpy(title, windowTitle, sizeof(title) - 1);
        title[sizeof(title) - 1] = '\0';
    }
    ReadOptions();
    // The window is sized by its client area, so the frame arithmetic of a framed window is not needed.
    if (!CreateMainWindow(x, y, width, height, title)) {
        return false;
    }
    timer.Reset();
    return CreateSubsystems();
}

bool CApplication::ReadOptions() {
    // The words arrive already split; word 0 is the program itself.
    if (instance == nullptr) {
        return false;
    }
    const OptionWords words(instance->argumentCount, instance->arguments);
    if (words.GetWindow() != OptionWords::Window::Unchanged) {
        fullScreen = words.GetWindow() == OptionWords::Window::FullScreen;
    }
    integerScale = words.WantsIntegerScale();
    return true;
}

bool CApplication::CreateMainWindow(int x, int y, int windowWidth, int windowHeight,
                                    const char* windowTitle) {
    window = platform::Window::Create(windowTitle, x, y, windowWidth, windowHeight);
    if (window == nullptr) {
        return false;
    }
    window->SetTitle(title);
    if (iconFile != nullptr) {
        window->SetIcon((std::string(baseDirectory) + "/" + iconFile).c_str());
    }
    window->SetIntegerScale(integerScale);
    window->Show();
    return true;
}

bool CApplication::CreateSubsystems() {
    if (g_pGraphics == nullptr) {
        g_pGraphics = new CGraphics;
        g_pGraphics->presentInterval = presentInterval;
        if (platform::Failed(g_pGraphics->Create(window, width, height, fullScreen))) {
            return false;
        }
        // The banner stays up from here until the game has initialised.
        PaintBanner();
    }
    if (g_pInput == nullptr) {
        g_pInput = new CInput;
        if (platform::Failed(g_pInput->Create())) {
            return false;
        }
    }
    return true;
}

void CApplication::ReleaseSubsystems() {
    EnableTextInput(true);
    g_pTextureList->Destroy();
    if (g_pInput != nullptr) {
        g_pInput->Destroy();
        delete g_pInput;
        g_pInput = nullptr;
    }
    if (g_pGraphics != nullptr) {
        delete g_pGraphics;
        g_pGraphics = nullptr;
    }
}

}  // namespace Corvane
