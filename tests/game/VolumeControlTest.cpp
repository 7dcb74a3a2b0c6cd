#include "game/VolumeControl.h"

#include <gtest/gtest.h>

#include <algorithm>
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
#include "game/controls/Bindings.h"
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

Settings Chosen(int volume, bool muted, bool pauseOnFocusLoss = false) {
    Settings settings;
    settings.volume = volume;
    settings.muted = muted;
    settings.pauseOnFocusLoss = pauseOnFocusLoss;
    return settings;
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
    const std::string report = "settings.ini, line 3: volume cannot be eleven (left at its default)";
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
    EXPECT_EQ(read, Chosen(5, true, true));
    EXPECT_FALSE(std::filesystem::exists(directory.File("yorun/.settings.ini.tmp-Ab12Cd")));
    EXPECT_TRUE(std::filesystem::exists(directory.File("yorun/settings.ini.before")));
    // The first copy turns its sound back on: the second's mute was never its change, its volume is.
    first.muted = false;
    Settings firstKept = first;
    firstKept.muted = true;
    ASSERT_TRUE(KeepSettingsChanges(path, first, firstKept, waitForTheLock, error)) << error;
    ASSERT_TRUE(ReadSettings(path, read, error)) << error;
    EXPECT_EQ(read, Chosen(5, false, true));
}

// Another version's lines (a newer one's, or an older one's this one dropped) are kept as they were.
TEST(SettingsFile, ReadsWhatItWritesAndKeepsWhatAnotherVersionWrote) {
    TemporaryDirectory directory;
    const std::string path = directory.File("deep/er/settings.ini");
    std::string error;
    Settings read;
    EXPECT_TRUE(ReadSettings(path, read, error)) << "a missing file is the defaults";
    Settings chosen = Chosen(3, true, true);
    chosen.bindings.BindKey(Action::Red, 0, KeyBinding::AtPlace(platform::DIK_Q));
    chosen.bindings.BindKey(Action::Red, 1, KeyBinding::AtPlace(platform::DIK_NUMPAD7));
    chosen.bindings.BindKey(Action::Mute, 0, KeyBinding::Typing(U'\u00FC'));
    chosen.bindings.BindKey(Action::Pause, 0, KeyBinding::Typing(U';'));
    chosen.bindings.BindPad(Action::Red, PadControl::LeftTrigger);
    chosen.fullScreen = true;
    chosen.integerScale = true;
    chosen.leftHanded = true;
    ASSERT_TRUE(WriteSettings(path, chosen, error)) << error;
    ASSERT_TRUE(ReadSettings(path, read, error)) << error;
    EXPECT_EQ(read, chosen);

    std::ofstream(path) << "; kept by hand\nwidth = 2\n[window]\nsize = huge\n[sound]\n  volume=4 # quieter\n"
                           "future = 1\n[controls]\nversion = 2\nred = Q\nlaser = L\n";
    EXPECT_FALSE(ReadSettings(path, read, error));
    EXPECT_NE(error.find("line 11: laser is no control this version knows (kept as it is)"),
              std::string::npos)
        << error;
    Settings expected = Chosen(4, false);
    expected.bindings.BindKey(Action::Red, 0, KeyBinding::AtPlace(platform::DIK_Q));
    EXPECT_EQ(read.bindings, expected.bindings);
    EXPECT_EQ(read.volume, 4);
    ASSERT_TRUE(WriteSettings(path, read, error)) << error;
    Settings again;
    ReadSettings(path, again, error);
    // Another version's sections follow this one's: the same lines, in the file's order.
    const auto bySection = [](const Settings::Other& one, const Settings::Other& other) {
        return one.section + one.line < other.section + other.line;
    };
    std::sort(again.others.begin(), again.others.end(), bySection);
    std::sort(read.others.begin(), read.others.end(), bySection);
    EXPECT_EQ(again, read);
    EXPECT_EQ(read.others.size(), 4u);
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    for (const char* kept :
         {"width = 2\n[sound]", "[window]\nsize = huge\n", "future = 1\n", "laser = L\n"}) {
        EXPECT_NE(text.str().find(kept), std::string::npos) << kept << " in\n" << text.str();
    }
}

// Each line that cannot be read is named, and only its own setting falls back to its default.
TEST(SettingsFile, ADamagedLineLeavesOnlyItsOwnSettingAtItsDefault) {
    TemporaryDirectory directory;
    const std::string path = directory.File("settings.ini");
    std::ofstream(path) << "[sound]\nvolume = 11\nmuted = true\nloud\n[controls]\nred = Q\n"
                           "yellow = Escape\nblue = Nowhere\ngreen_pad = elbow\nmute = Q, W, E\nrefill = Q\n"
                           "version = two\n[play\npause_on_focus_loss = true\n";
    Settings read;
    std::string error;
    EXPECT_FALSE(ReadSettings(path, read, error));
    for (const char* named :
         {"settings.ini, line 2: volume cannot be 11", "line 4: not a setting", "yellow cannot be Escape",
          "blue cannot be Nowhere", "green_pad cannot be elbow", "mute cannot be Q, W, E",
          "Q is red's, not refill's too", "version cannot be two", "line 13: a section header"}) {
        EXPECT_NE(error.find(named), std::string::npos) << named << " in " << error;
    }
    Settings expected = Chosen(Settings::kNormalVolume, true);
    expected.bindings.BindKey(Action::Red, 0, KeyBinding::AtPlace(platform::DIK_Q));
    EXPECT_EQ(read, expected) << "refill keeps Space, and nothing after the broken header counts";
}
