#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "game/GameOptions.h"
#include "game/controls/Bindings.h"
#include "input/Input.h"
#include "platform/input/InputSources.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/TouchControls.h"
#include "support/GameDriver.h"
#include "support/PointingMouse.h"
#include "support/TemporaryDirectory.h"

using namespace Yorun;
using namespace platform;
using testing_support::GameDriver;

namespace {

// A game that keeps its settings in a directory of its own, driven through the keys a player presses.
class Options : public ::testing::Test {
protected:
    Options() {
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
        GameOptions options;
        options.save = true;
        SetGameOptions(options);
        driver = std::make_unique<GameDriver>();
        EXPECT_TRUE(driver->Initialize());
        driver->Frame();
    }
    ~Options() override {
        driver.reset();
        SetGameOptions(GameOptions{});
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }

    COptionsScreen& Screen() { return driver->Game().options; }
    const Bindings& InUse() { return driver->Game().boundKeys.InUse(); }
    void Taps(int key, int count) {
        for (int tap = 0; tap < count; ++tap) {
            driver->Tap(key);
        }
    }
    // The settings file says this within a generous allowance: it is written off the frames.
    bool SettingsSay(const std::string& line) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (;;) {
            std::ifstream file(home.File("yorun/settings.ini"));
            std::stringstream text;
            text << file.rdbuf();
            if (text.str().find(line) != std::string::npos) {
                return true;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    testing_support::TemporaryDirectory home;
    std::unique_ptr<GameDriver> driver;
};

// From the title: the options, their controls, the red arrow's first key.
TEST_F(Options, AKeyIsChangedOnTheScreenSwappedWithTheActionThatHadItAndKept) {
    driver->Tap(DIK_O);
    ASSERT_TRUE(Screen().IsOpen());
    Taps(DIK_DOWN, COptionsScreen::kControls);
    driver->Tap(DIK_RETURN);
    ASSERT_TRUE(Screen().ShowsControls());
    Taps(DIK_DOWN, static_cast<int>(Action::Red));
    driver->Tap(DIK_RETURN);
    EXPECT_TRUE(Screen().Controls().IsWaiting());
    // Enter keeps its meaning: the list says so and goes on waiting.
    driver->Tap(DIK_RETURN);
    EXPECT_TRUE(Screen().Controls().IsWaiting());
    EXPECT_EQ(Screen().Controls().Message(), "Enter keeps its own meaning: choose another key");
    // Backspace gives up waiting and changes nothing.
    driver->Tap(DIK_BACK);
    EXPECT_FALSE(Screen().Controls().IsWaiting());
    EXPECT_TRUE(InUse() == Bindings{});

    driver->Tap(DIK_RETURN);
    driver->Tap(DIK_X);
    EXPECT_EQ(InUse().Of(Action::Red).keys[0], KeyBinding::AtPlace(DIK_X));
    EXPECT_EQ(InUse().Of(Action::Yellow).keys[0], KeyBinding::AtPlace(DIK_Z));
    EXPECT_EQ(Screen().Controls().Message(), "X was Yellow arrow's: Yellow arrow has Z now");
    EXPECT_TRUE(SettingsSay("red = X\nred_pad = east\nyellow = Z\n"));

    // A shortcut takes what the key types: Records on the key that says Q.
    Taps(DIK_DOWN, static_cast<int>(Action::Records) - static_cast<int>(Action::Red));
    driver->Tap(DIK_RETURN);
    driver->Tap(DIK_Q);
    EXPECT_EQ(InUse().Of(Action::Records).keys[0], KeyBinding::Typing(U'q'));
    EXPECT_TRUE(SettingsSay("records = Q\n"));

    // Delete gives one action back its keys; the last rows reset them all and go back.
    driver->Tap(DIK_DELETE);
    EXPECT_EQ(InUse().Of(Action::Records).keys[0], KeyBinding::Typing(U'r'));
    Taps(DIK_DOWN, CControlsList::kResetAllRow - static_cast<int>(Action::Records));
    driver->Tap(DIK_RETURN);
    EXPECT_TRUE(InUse() == Bindings{});
    driver->Tap(DIK_DOWN);
    driver->Tap(DIK_RETURN);
    EXPECT_FALSE(Screen().ShowsControls());
    driver->Tap(DIK_BACK);
    EXPECT_FALSE(Screen().IsOpen());
    EXPECT_TRUE(SettingsSay("red = Z\n"));
    EXPECT_EQ(driver->State().scene, SCENE_TITLE);
    EXPECT_EQ(driver->Game().titleScene.difficultyCursor, -1) << "the title waited as it was";
}

// From a paused game, the options come up over the pause and leave it as it was.
TEST_F(Options, ThePauseOverlayOpensThemAndClosingThemLeavesTheGamePaused) {
    driver->State().difficulty = DIFFICULTY_NORMAL;
    driver->Game().StartNewGame();
    driver->State().scene = SCENE_PLAY;
    driver->State().sceneChanged = false;
    driver->Frame();
    driver->Tap(DIK_P);
    ASSERT_TRUE(driver->Game().pause.IsPaused());
    const float remaining = driver->Game().playScene.remainingTime;
    driver->Tap(DIK_O);
    ASSERT_TRUE(Screen().IsOpen());
    // The volume row, stepped down twice.
    Taps(DIK_LEFT, 2);
    EXPECT_EQ(driver->Game().volume.settings.volume, Settings::kNormalVolume - 2);
    driver->Tap(DIK_O);
    EXPECT_FALSE(Screen().IsOpen());
    EXPECT_TRUE(driver->Game().pause.IsPaused());
    driver->Frames(30);
    EXPECT_EQ(driver->Game().playScene.remainingTime, remaining);
    EXPECT_TRUE(SettingsSay("volume = 6\n"));
}

// The pointer chooses the row it is over and a click takes it, on both pages.
TEST_F(Options, TheMouseChoosesAndClicks) {
    testing_support::PointingMouse mouse;
    // The input reads the mouse installed when it is made.
    Corvane::g_pInput->Create();
    const auto click = [this, &mouse](int x, int y) {
        mouse.x = x;
        mouse.y = y;
        driver->Frame();
        mouse.down = true;
        driver->Frame();
        mouse.down = false;
        driver->Frame();
    };
    driver->Tap(DIK_O);
    ASSERT_TRUE(Screen().IsOpen());
    // The rows stand 44 pixels apart from y 120; the sound's is the second.
    click(300, 120 + 44 + 10);
    EXPECT_EQ(Screen().ChosenRow(), COptionsScreen::kSound);
    EXPECT_TRUE(driver->Game().volume.settings.muted);
    // The hand of the touch controls: kept, and told to the page.
    click(300, 120 + 44 * COptionsScreen::kHands + 10);
    EXPECT_TRUE(SettingsSay("left_handed = true\n"));
    EXPECT_TRUE(platform::GetTouchControls().LeftHanded());
    click(300, 120 + 44 * COptionsScreen::kHands + 10);
    EXPECT_FALSE(platform::GetTouchControls().LeftHanded());
    click(300, 120 + 44 * COptionsScreen::kControls + 10);
    ASSERT_TRUE(Screen().ShowsControls());
    // The red arrow's row, in the pad's column.
    click(650, 92 + static_cast<int>(19.5f * static_cast<float>(static_cast<int>(Action::Red))) + 8);
    EXPECT_TRUE(Screen().Controls().IsWaiting());
    driver->Tap(DIK_BACK);
    // Going back is a click too.
    click(100, 92 + static_cast<int>(19.5f * CControlsList::kBackRow) + 8);
    EXPECT_FALSE(Screen().ShowsControls());
}

}  // namespace
