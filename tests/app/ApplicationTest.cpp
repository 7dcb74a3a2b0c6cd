#include "app/Application.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/Window.h"
#include "support/RecordingMessageBoxes.h"

using Corvane::CApplication;
using Corvane::CutAtLastSeparator;
using Corvane::ProgramInstance;
using testing_support::RecordingMessageBoxes;

namespace {

std::string CurrentDirectory() {
    return std::filesystem::current_path().string();
}

std::string Cut(std::string path) {
    CutAtLastSeparator(path.data());
    // The cut is a terminator inside the string: what counts ends there.
    path.resize(std::strlen(path.c_str()));
    return path;
}

// Creates the application the way the entry point does, with the given option words.
bool CreateWith(CApplication& application, const std::vector<const char*>& words) {
    static std::vector<char*> arguments;
    static ProgramInstance instance;
    arguments.clear();
    arguments.push_back(const_cast<char*>("yorun"));
    for (const char* word : words) {
        arguments.push_back(const_cast<char*>(word));
    }
    instance = ProgramInstance{static_cast<int>(arguments.size()), arguments.data()};
    return application.Create(&instance, 0, 0, 800, 600, "Yorun", false);
}

}  // namespace

TEST(BaseDirectory, CutsAtTheLastBackslashFirstThenAtTheLastSlash) {
    EXPECT_EQ(Cut("/opt/yorun/bin/yorun"), "/opt/yorun/bin");
    EXPECT_EQ(Cut("D:\\play\\bin\\game.exe"), "D:\\play\\bin");
    EXPECT_EQ(Cut("/a/b\\c/d"), "/a/b");
    EXPECT_EQ(Cut("yorun"), "yorun");
}

TEST(BaseDirectory, AnExecutableDirectlyInTheRootGivesTheEmptyBase) {
    std::string path = "/yorun";
    CutAtLastSeparator(path.data());
    CutAtLastSeparator(path.data());
    EXPECT_STREQ(path.c_str(), "");
}

TEST(BaseDirectory, IsTheDirectoryAboveTheExecutablesOwnAndBecomesCurrent) {
    char executable[PATH_MAX] = {};
    ASSERT_GT(readlink("/proc/self/exe", executable, sizeof(executable) - 1), 0);
    const std::filesystem::path expected = std::filesystem::path(executable).parent_path().parent_path();
    CApplication application;
    EXPECT_EQ(std::string(application.baseDirectory), expected.string());
    EXPECT_EQ(CurrentDirectory(), expected.string());
    EXPECT_EQ(Corvane::g_pApplication, &application);
}

TEST(BaseDirectory, SetWorkDirectoryEntersADirectoryOfTheBaseOrTheBaseItself) {
    CApplication application;
    const std::filesystem::path base(application.baseDirectory);
    std::filesystem::create_directories(base / "work-directory-test");
    application.SetWorkDirectory("work-directory-test");
    EXPECT_EQ(CurrentDirectory(), (base / "work-directory-test").string());
    application.SetWorkDirectory(nullptr);
    EXPECT_EQ(CurrentDirectory(), base.string());
    // A directory that does not exist leaves the current one as it is.
    application.SetWorkDirectory("no-such-directory");
    EXPECT_EQ(CurrentDirectory(), base.string());
    std::filesystem::remove(base / "work-directory-test");
}

TEST(Application, IsForgottenWhenDestroyed) {
    { CApplication application; }
    EXPECT_EQ(Corvane::g_pApplication, nullptr);
}

class ApplicationCreate : public ::testing::Test {
protected:
    RecordingMessageBoxes boxes;
};

TEST_F(ApplicationCreate, OpensTheTitledWindowAndFallsBackToTheSoftwareRendererWithItsMessage) {
    CApplication application;
    ASSERT_TRUE(CreateWith(application, {}));
    ASSERT_NE(application.window, nullptr);
    int width = 0;
    int height = 0;
    application.window->GetClientSize(width, height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_STREQ(application.title, "Yorun");
    // The dummy video driver has no accelerated renderer: the reference fall-back is announced once.
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "HALモードでDirect3Dデバイスを作成できません\nREFモードで再試行します");
    EXPECT_EQ(boxes.boxes[0].caption, "Yorun");
    ASSERT_NE(Corvane::g_pDevice, nullptr);
    EXPECT_STREQ(Corvane::g_pDevice->GetRendererName(), "software");
    EXPECT_NE(Corvane::g_pSprite, nullptr);
}

TEST_F(ApplicationCreate, ReleasesEverythingItMadeWhenDestroyed) {
    {
        CApplication application;
        ASSERT_TRUE(CreateWith(application, {}));
    }
    EXPECT_EQ(Corvane::g_pGraphics, nullptr);
    EXPECT_EQ(Corvane::g_pDevice, nullptr);
    EXPECT_EQ(Corvane::g_pSprite, nullptr);
    EXPECT_EQ(Corvane::g_pD3D, nullptr);
}

TEST_F(ApplicationCreate, TheLastOptionWordWinsAndOtherWordsAreIgnored) {
    struct Case {
        std::vector<const char*> words;
        bool fullScreen;
    };
    const Case cases[] = {
        {{"/full", "/win"}, false},     {{"/win", "/full"}, true}, {{"/FULL"}, false},
        {{"/full", "--verbose"}, true}, {{"full"}, false},         {{"/full", "/Win"}, true},
    };
    for (const Case& testCase : cases) {
        CApplication application;
        ASSERT_TRUE(CreateWith(application, testCase.words));
        EXPECT_EQ(application.fullScreen, testCase.fullScreen) << testCase.words.front();
        EXPECT_EQ(Corvane::g_pGraphics->presentParams->windowed, !testCase.fullScreen);
    }
}

TEST_F(ApplicationCreate, FullScreenRecordsTheFullScreenBackBufferInThePresentParameters) {
    CApplication application;
    ASSERT_TRUE(CreateWith(application, {"/full"}));
    const platform::D3DPRESENT_PARAMETERS& parameters = *Corvane::g_pGraphics->presentParams;
    EXPECT_FALSE(parameters.windowed);
    EXPECT_EQ(parameters.backBufferFormat, platform::D3DFMT_X8R8G8B8);
    EXPECT_EQ(parameters.backBufferWidth, 800u);
    EXPECT_EQ(parameters.backBufferHeight, 600u);
    EXPECT_EQ(parameters.fullScreenRefreshRate, 0u);
    EXPECT_TRUE(application.window->IsFullscreen());
}

TEST_F(ApplicationCreate, WindowedPresentParametersFollowTheDisplay) {
    CApplication application;
    ASSERT_TRUE(CreateWith(application, {}));
    const platform::D3DPRESENT_PARAMETERS& parameters = *Corvane::g_pGraphics->presentParams;
    EXPECT_TRUE(parameters.windowed);
    EXPECT_EQ(parameters.backBufferCount, 1u);
    EXPECT_EQ(parameters.swapEffect, platform::D3DSWAPEFFECT_DISCARD);
    EXPECT_TRUE(parameters.enableAutoDepthStencil);
    // The dummy display is 32-bit, which pairs with the 24-bit depth and 8-bit stencil format.
    EXPECT_EQ(parameters.autoDepthStencilFormat, platform::D3DFMT_D24S8);
    EXPECT_EQ(parameters.presentationInterval, platform::D3DPRESENT_INTERVAL_DEFAULT);
}
