#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/Application.h"
#include "app/ExitCodes.h"
#include "app/OptionWords.h"
#include "game/GameCallbacks.h"
#include "game/GameOptions.h"
#include "game/replay/Records.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/Types.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
// 61 frames a second, not 60: the game's per-frame steps were tuned at this rate.
constexpr float kFrameInterval = 0.016393442f;

// The replay the command line names, with a file's path made absolute against the directory the program
// was started in: the application makes its base directory the current one before the game opens the
// file. The records' own names stay as they are.
std::string ReplayWordFrom(const char* word) {
    if (word == nullptr) {
        return "";
    }
    std::error_code unknown;
    const std::filesystem::path whole = std::filesystem::absolute(word, unknown);
    return Yorun::CRecords::NamesRecord(word) || unknown || whole.empty() ? std::string(word)
                                                                          : whole.string();
}

}  // namespace

int main(int argumentCount, char** arguments) {
    using Corvane::CApplication;

    // Help and version need no display, so they are answered before anything is created.
    const Corvane::OptionWords words(argumentCount, arguments);
    if (words.WantsHelp()) {
        Corvane::OptionWords::PrintHelp();
        return 0;
    }
    if (words.WantsVersion()) {
        Corvane::OptionWords::PrintVersion();
        return 0;
    }
    words.ReportUnknown();
    Yorun::GameOptions options;
    options.replay = ReplayWordFrom(words.GetReplay());
    options.classic = words.WantsClassic();
    options.save = !words.WantsNoSave() && !options.classic;
    Yorun::SetGameOptions(options);

    // The desktop's size centres the window; without a display the window cannot be made and start-up
    // ends below.
    platform::SetApplicationId(YORUN_APP_ID);
    if (!platform::InitVideo("Yorun")) {
        std::fprintf(stderr,
                     "Run it from a desktop session, or under a virtual X server: xvfb-run -a yorun\n");
    }
    const platform::Rect desktop = platform::GetDesktopRect();
    const int x = (desktop.right - kClientWidth) / 2;
    const int y = (desktop.bottom - kClientHeight) / 2;

    const Corvane::ProgramInstance instance{argumentCount, arguments};
    auto* application = new CApplication();
    application->callbacks = Yorun::GetGameCallbacks();
    application->iconFile = "mato_bmp/icon.png";
    int exitCode = Corvane::EXIT_CODE_NO_START;
    if (application->Create(&instance, x, y, kClientWidth, kClientHeight, "Yorun", false)) {
        application->frameInterval = kFrameInterval;
        exitCode = application->Run();
    }
    delete application;

    platform::ShutdownVideo();
    return platform::EndProgram(exitCode);
}
