#pragma once

#include <cstdint>

#include "app/FrameTimer.h"

namespace platform {
class Window;
struct Message;
}  // namespace platform

namespace Corvane {

// What the program was started with. It stands where the module instance stands in the framework's calls:
// Create reads the option words from it.
struct ProgramInstance {
    int argumentCount = 0;
    char** arguments = nullptr;
};

// The four functions through which the framework drives the game, and one the game may supply: Escape
// quits, unless the game takes it for itself (escape returns true).
struct GameCallbacks {
    bool (*initialize)() = nullptr;
    void (*update)() = nullptr;
    void (*render)() = nullptr;
    void (*release)() = nullptr;
    bool (*escape)() = nullptr;
};

// The application object: the base directory, the main window, the subsystems, the frame timer and the
// game's callbacks. There is one per run, reached through g_pApplication.
class CApplication {
public:
    CApplication();
    ~CApplication();

    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    bool Create(const ProgramInstance* instance, int x, int y, int width, int height, const char* title,
                bool fullScreen);
    int Run();
    void SetWorkDirectory(const char* name);
    void Quit();
    platform::Window* GetWindowHandle() const { return window; }
    bool IsActive() const { return active; }

    // The framework's message handler; the program's window procedure passes every message on to it.
    std::intptr_t WindowProc(platform::Window* window, const platform::Message& message);
    void ResetTextInput(platform::Window* window);
    void EnableTextInput(bool on);
    // Draws and presents the start-up banner (when the device exists).
    void PaintBanner();
    // A modal information box owned by the main window, with the title as its caption.
    int ShowBox(const char* text) const;

    platform::Window* window = nullptr;
    const ProgramInstance* instance = nullptr;
    // Accelerator table and modeless dialog that the loop would route messages to; nothing sets them.
    const void* accelerators = nullptr;
    int width = 640;
    int height = 480;
    bool active = false;
    bool showBanner = true;
    bool fullScreen = false;
    // Whole-number scaling of the picture, for a sharp picture at the price of wider bars.
    bool integerScale = false;
    float frameInterval = -1.0f;
    char title[260] = "Corvane9";
    char baseDirectory[516] = {};
    // The window's icon: a PNG file's path from the base directory, or null for the desktop's default.
    const char* iconFile = nullptr;
    platform::Window* dialogWindow = nullptr;

    char compositionText[1024] = {};
    char inputText[1024] = {};
    bool composing = false;
    bool textInput = false;
    int compositionAttributeCount = 0;
    char compositionAttributes[1024] = {};
    // The platform has one input method per window, switched off and on rather than detached; this records
    // that it was switched off by the framework and is to be switched on again.
    bool savedInputContext = false;

    std::uint32_t presentInterval = 0;
    CFrameTimer timer;
    GameCallbacks callbacks;

private:
    bool ReadOptions();
    bool CreateMainWindow(int x, int y, int width, int height, const char* title);
    bool CreateSubsystems();
    void ReleaseSubsystems();
    void ComputeBaseDirectory();
    void ReadComposition(const platform::Message& message);
};

// The program's window procedure: commands 104 (About) and 105 (close), then the framework's handler.
std::intptr_t MainWindowProc(platform::Window* window, const platform::Message& message);

// Cuts the path at its last separator (a backslash, or failing that a slash); false when it has none.
bool CutAtLastSeparator(char* path);

extern CApplication* g_pApplication;

}  // namespace Corvane
