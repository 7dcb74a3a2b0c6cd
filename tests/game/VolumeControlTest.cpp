#include "game/VolumeControl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "game/GameOptions.h"
#include "game/Settings.h"
#include "platform/audio/AudioTypes.h"
#include "platform/input/KeyCodes.h"
#include "support/GameDriver.h"
#include "support/TemporaryDirectory.h"

using namespace Yorun;
using testing_support::GameDriver;
using testing_support::TemporaryDirectory;

namespace {

float GainOf(std::int32_t level) {
    return platform::GainOfVolume(level);
}

// A game that keeps its settings (and records) in a directory of its own.
class Volume : public ::testing::Test {
protected:
    Volume() {
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
        GameOptions options;
        options.save = true;
        SetGameOptions(options);
    }
    ~Volume() override {
        driver.reset();
        SetGameOptions(GameOptions{});
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }

    void Start() {
        driver = std::make_unique<GameDriver>();
        ASSERT_TRUE(driver->Initialize());
        driver->Frame();
    }

    CVolumeControl& Control() { return driver->Game().volume; }
    float MasterGain() { return driver->mixer->GetMasterGain(); }
    std::string SettingsText() {
        std::ifstream file(home.File("yorun/settings.ini"));
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // The settings are kept off the frames: the file says so a moment later.
    bool SettingsSay(const std::string& line) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (SettingsText().find(line) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    TemporaryDirectory home;
    std::unique_ptr<GameDriver> driver;
};

}  // namespace

TEST_F(Volume, StepsAreThreeDecibelsFromTheNormalLevelAndAreKeptOnceTheIndicatorHasGone) {
    Start();
    EXPECT_FLOAT_EQ(MasterGain(), GainOf(CVolumeControl::kNormalLevel));
    driver->Tap(platform::DIK_MINUS);
    driver->Tap(platform::DIK_SUBTRACT);
    EXPECT_EQ(Control().settings.volume, Settings::kNormalVolume - 2);
    EXPECT_FLOAT_EQ(MasterGain(), GainOf(CVolumeControl::kNormalLevel - 600));
    EXPECT_EQ(SettingsText(), "");
    // The indicator is up at the top right while the change settles, then the change is written.
    const std::uint32_t shown = driver->graphics.Pixel(700, 40);
    driver->Frames(CVolumeControl::kIndicatorUpdates);
    EXPECT_NE(driver->graphics.Pixel(700, 40), shown);
    EXPECT_TRUE(SettingsSay("volume = 6\n")) << SettingsText();

    // The next run starts where this one left off.
    driver.reset();
    Start();
    EXPECT_EQ(Control().settings.volume, 6);
    EXPECT_FLOAT_EQ(MasterGain(), GainOf(CVolumeControl::kNormalLevel - 600));
}

TEST_F(Volume, MuteSilencesUntilPressedAgainAndTheLevelStaysBetweenItsEnds) {
    Start();
    driver->Tap(platform::DIK_M);
    EXPECT_EQ(MasterGain(), 0.0f);
    driver->Tap(platform::DIK_M);
    EXPECT_FLOAT_EQ(MasterGain(), GainOf(CVolumeControl::kNormalLevel));
    for (int press = 0; press < 12; ++press) {
        driver->Tap(platform::DIK_EQUALS);
    }
    EXPECT_EQ(Control().settings.volume, Settings::kHighestVolume);
    for (int press = 0; press < 12; ++press) {
        driver->Tap(platform::DIK_MINUS);
    }
    EXPECT_EQ(Control().settings.volume, Settings::kLowestVolume);
    EXPECT_EQ(MasterGain(), 0.0f);
}

TEST_F(Volume, ADamagedSettingsFileIsReportedOnceAndTheDefaultsPlayUntilAChangeReplacesIt) {
    std::filesystem::create_directories(home.File("yorun"));
    std::ofstream(home.File("yorun/settings.ini")) << "[sound]\nvolume = 8\nvolume = eleven\n";
    ::testing::internal::CaptureStderr();
    Start();
    EXPECT_EQ(Control().settings, Settings{});
    EXPECT_FLOAT_EQ(MasterGain(), GainOf(CVolumeControl::kNormalLevel));
    driver->Tap(platform::DIK_MINUS);
    driver->Frames(CVolumeControl::kIndicatorUpdates);
    EXPECT_TRUE(SettingsSay("volume = 7\n")) << SettingsText();
    driver.reset();
    Start();
    const std::string said = ::testing::internal::GetCapturedStderr();
    const std::string report =
        "settings.ini, line 3: volume cannot be eleven; playing with the default settings";
    const std::size_t first = said.find(report);
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find(report, first + 1), std::string::npos) << said;
    EXPECT_EQ(Control().settings.volume, 7);
}

// Two copies of the game, each changing a setting of its own: neither undoes the other's. What a copy
// killed while it wrote the file left beside it goes; the player's own files there stay.
TEST(SettingsFile, EachCopyKeepsWhatItChangedOverWhatAnotherCopyKeptMeanwhile) {
    TemporaryDirectory directory;
    const std::string path = directory.File("yorun/settings.ini");
    std::filesystem::create_directories(directory.File("yorun"));
    std::ofstream(directory.File("yorun/.settings.ini.tmp-Ab12Cd")) << "[sound]\nvol";
    std::ofstream(directory.File("yorun/settings.ini.before")) << "the player's";
    std::string error;
    const std::atomic<bool> waitForTheLock{false};
    const Settings bothRead{};
    Settings first = bothRead;
    first.volume = 5;
    ASSERT_TRUE(KeepSettingsChanges(path, first, bothRead, waitForTheLock, error)) << error;
    Settings second = bothRead;
    second.pauseOnFocusLoss = true;
    second.muted = true;
    ASSERT_TRUE(KeepSettingsChanges(path, second, bothRead, waitForTheLock, error)) << error;
    Settings read;
    ASSERT_TRUE(ReadSettings(path, read, error)) << error;
    EXPECT_EQ(read, (Settings{5, true, true}));
    EXPECT_FALSE(std::filesystem::exists(directory.File("yorun/.settings.ini.tmp-Ab12Cd")));
    EXPECT_TRUE(std::filesystem::exists(directory.File("yorun/settings.ini.before")));
    // The first copy turns its sound back on: the second's mute was never its change, its volume is.
    first.muted = false;
    Settings firstKept = first;
    firstKept.muted = true;
    ASSERT_TRUE(KeepSettingsChanges(path, first, firstKept, waitForTheLock, error)) << error;
    ASSERT_TRUE(ReadSettings(path, read, error)) << error;
    EXPECT_EQ(read, (Settings{5, false, true}));
}

TEST(SettingsFile, ReadsWhatItWritesPassesOverWhatItDoesNotKnowAndNamesTheLineItCannotRead) {
    TemporaryDirectory directory;
    const std::string path = directory.File("deep/er/settings.ini");
    std::string error;
    Settings read;
    EXPECT_TRUE(ReadSettings(path, read, error)) << "a missing file is the defaults";
    ASSERT_TRUE(WriteSettings(path, Settings{3, true, true}, error)) << error;
    ASSERT_TRUE(ReadSettings(path, read, error)) << error;
    EXPECT_EQ(read, (Settings{3, true, true}));

    std::ofstream(path)
        << "; kept by hand\n[window]\nsize = huge\n[sound]\n  volume=4 # quieter\nfuture = 1\n";
    ASSERT_TRUE(ReadSettings(path, read, error)) << error;
    EXPECT_EQ(read, (Settings{4, false}));

    for (const char* damaged :
         {"[sound]\nvolume = 11\n", "[sound\n", "[sound]\nvolume\n", "[sound]\nmuted = maybe\n"}) {
        std::ofstream(path) << damaged;
        EXPECT_FALSE(ReadSettings(path, read, error)) << damaged;
        EXPECT_NE(error.find(", line "), std::string::npos) << error;
        EXPECT_EQ(read, Settings{});
    }
}
