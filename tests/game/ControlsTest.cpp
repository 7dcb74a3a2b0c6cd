#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/GameOptions.h"
#include "game/controls/Bindings.h"
#include "game/controls/KeyLabels.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/TouchControls.h"
#include "support/ImageFiles.h"
#include "support/PlayField.h"
#include "support/PointingMouse.h"
#include "support/ReplayScript.h"
#include "support/TableKeyboardLayout.h"
#include "support/TemporaryDirectory.h"

using namespace Yorun;
using namespace platform;
using play_testing::PlayField;
using testing_support::GameDriver;
using testing_support::ReplayResult;
using testing_support::TableKeyboardLayout;

namespace {

class Controls : public PlayField {
protected:
    void Use(const Bindings& bindings) { driver.Game().boundKeys.Use(bindings); }

    // Holds the keys for one update, ready to shoot, and says what colour the arrow loosed was (-1: none).
    int ShotBy(std::initializer_list<int> keys) {
        Arrows().ResetSlots();
        Arrows().shotTimer = 1.0f;
        for (const int key : keys) {
            driver.keyboard.Press(key);
        }
        driver.Frame();
        driver.keyboard.ReleaseAll();
        driver.Frame();
        return Arrows().slots[0].picture.visible ? Arrows().slots[0].colour : -1;
    }
};

TEST_F(Controls, AReboundColourKeyLoosesThatColourAndItsOldKeyNoLongerDoes) {
    Bindings bindings;
    EXPECT_EQ(bindings.BindKey(Action::Red, 0, KeyBinding::AtPlace(DIK_Q)).from, Action::Count);
    Use(bindings);
    EXPECT_EQ(ShotBy({DIK_Z}), -1);
    EXPECT_EQ(ShotBy({DIK_Q}), COLOUR_RED);

    // A key another colour has is swapped: blue takes Q, and red gets blue's C.
    const Bindings::Swap swap = bindings.BindKey(Action::Blue, 0, KeyBinding::AtPlace(DIK_Q));
    EXPECT_EQ(swap.from, Action::Red);
    EXPECT_EQ(swap.to, Action::Red);
    Use(bindings);
    EXPECT_EQ(ShotBy({DIK_Q}), COLOUR_BLUE);
    EXPECT_EQ(ShotBy({DIK_C}), COLOUR_RED);
    // Escape, Enter and Backspace are never bound.
    EXPECT_EQ(bindings.BindKey(Action::Green, 0, KeyBinding::AtPlace(DIK_RETURN)).from, Action::Count);
    EXPECT_EQ(bindings.Of(Action::Green).keys[0], KeyBinding::AtPlace(DIK_V));

    bindings.ResetAll();
    Use(bindings);
    EXPECT_EQ(ShotBy({DIK_Z}), COLOUR_RED);
    EXPECT_EQ(ShotBy({DIK_C}), COLOUR_BLUE);
}

// The page's touch controls take their actions whatever the keys are bound to; a tap that ends between two
// frames looses one arrow, and a control held looses as a held key does.
TEST_F(Controls, ATouchedControlTakesItsActionWhateverTheKeysAndATapBetweenTwoFramesCountsOnce) {
    TouchControls& touch = GetTouchControls();
    Bindings bindings;
    bindings.BindKey(Action::Red, 0, KeyBinding::AtPlace(DIK_Q));
    Use(bindings);
    touch.Press("red");
    touch.Release("red");
    EXPECT_EQ(ShotBy({}), COLOUR_RED);
    EXPECT_EQ(ShotBy({}), -1);

    touch.Press("green");
    EXPECT_EQ(ShotBy({}), COLOUR_GREEN);
    EXPECT_EQ(ShotBy({}), COLOUR_GREEN);
    touch.ReleaseAll();
    EXPECT_EQ(ShotBy({}), -1);
    // A name that is no action's takes none.
    touch.Press("red arrow, please");
    EXPECT_EQ(ShotBy({}), -1);
    touch.ReleaseAll();
}

// What each layout's keys say, and the one that says M mutes: on a French keyboard it is where a US
// keyboard has ";", and the key in M's place (which says ",") does not. Play keys stay where they are and
// are called by their caps.
TEST(ControlsLayout, TheKeyThatSaysMMutesAndTheScreensCallEveryKeyByItsCap) {
    struct Case {
        const char* layout;
        std::unique_ptr<TableKeyboardLayout> (*make)();
        std::uint8_t mutePlace;
        const char* red;
        const char* speed;
    };
    const Case cases[] = {
        {"French", testing_support::MakeFrenchLayout, DIK_SEMICOLON, "W", "Q / S to change"},
        {"German", testing_support::MakeGermanLayout, DIK_M, "Y", "A / S to change"},
        {"US", testing_support::MakeUsLayout, DIK_M, "Z", "A / S to change"}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.layout);
        const std::unique_ptr<TableKeyboardLayout> layout = test.make();
        GameDriver driver;
        ASSERT_TRUE(driver.Initialize());
        driver.Frame();
        for (const std::uint8_t place : {DIK_M, DIK_COMMA, DIK_SEMICOLON}) {
            if (place != test.mutePlace) {
                driver.Tap(place);
            }
        }
        EXPECT_FALSE(driver.Game().volume.settings.muted);
        driver.Tap(test.mutePlace);
        EXPECT_TRUE(driver.Game().volume.settings.muted);

        CKeyLabels labels(driver.Game().boundKeys);
        EXPECT_EQ(labels.First(Action::Red), test.red);
        EXPECT_EQ(labels.First(Action::SpeedOn) + " / " + labels.First(Action::SpeedBack) + " to change",
                  test.speed);
        EXPECT_EQ(labels.First(Action::Help), "F1");
        EXPECT_EQ(labels.All(Action::Pause, ", "), "P, Pause");

        // In play the field's own Z cap gives way to one that says what the key says.
        driver.State().difficulty = DIFFICULTY_NORMAL;
        driver.Game().StartNewGame();
        driver.State().scene = SCENE_PLAY;
        driver.Frame();
        EXPECT_EQ(driver.Game().playScene.keyLabels[0].visible, std::string(test.red) == "Z");
        EXPECT_TRUE(driver.Game().playScene.keyLabels[2].visible) << "C is C everywhere";
    }
}

// The picture's pixels in a rectangle, as a sum; written out as a BMP too where YORUN_SHOTS names a folder.
std::uint64_t AreaSum(GameDriver& driver, int left, int top, int right, int bottom) {
    std::uint64_t sum = 14695981039346656037ull;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            sum = (sum ^ driver.graphics.Pixel(x, y)) * 1099511628211ull;
        }
    }
    return sum;
}

void Shoot(GameDriver& driver, const std::string& name) {
    if (const char* folder = std::getenv("YORUN_SHOTS")) {
        testing_support::WriteBmp24(
            std::string(folder) + "/" + name + ".bmp", 800, 600,
            [&driver](int x, int y) { return driver.graphics.Pixel(x, y) & 0xFFFFFF; });
    }
}

// The help card's and the field's red cap say what the key in Z's place says: W on a French keyboard, Y on
// a German one, and the game's own Z cap on a US one.
TEST(ControlsLayout, TheHelpCardAndTheFieldDrawTheRedKeysCapAsTheLayoutHasIt) {
    struct Case {
        const char* layout;
        std::unique_ptr<TableKeyboardLayout> (*make)();
    };
    const Case cases[] = {{"us", testing_support::MakeUsLayout},
                          {"fr", testing_support::MakeFrenchLayout},
                          {"de", testing_support::MakeGermanLayout}};
    std::vector<std::uint64_t> cards;
    std::vector<std::uint64_t> fields;
    for (const Case& test : cases) {
        const std::unique_ptr<TableKeyboardLayout> layout = test.make();
        GameDriver driver;
        ASSERT_TRUE(driver.Initialize());
        driver.Frame();
        driver.Tap(DIK_F1);
        ASSERT_TRUE(driver.Game().help.IsOpen());
        Shoot(driver, std::string("help-") + test.layout);
        // The colour rule's red cap, at 75 % of its 48 pixels.
        cards.push_back(AreaSum(driver, 28, 434, 64, 470));
        driver.Tap(DIK_F1);
        driver.State().difficulty = DIFFICULTY_NORMAL;
        driver.Game().StartNewGame();
        driver.State().scene = SCENE_PLAY;
        driver.Frame();
        Shoot(driver, std::string("field-") + test.layout);
        // The field's red cap, at 80 %.
        fields.push_back(AreaSum(driver, 10, 450, 48, 488));
    }
    for (std::size_t one = 0; one < cards.size(); ++one) {
        for (std::size_t other = one + 1; other < cards.size(); ++other) {
            EXPECT_NE(cards[one], cards[other]) << cases[one].layout << " and " << cases[other].layout;
            EXPECT_NE(fields[one], fields[other]) << cases[one].layout << " and " << cases[other].layout;
        }
    }
}

// A keyboard whose keys are moved: what the script presses at one place reaches the game from another.
class MovedKeyboard final : public KeyboardSource {
public:
    MovedKeyboard(testing_support::ScriptedKeyboard& script, std::map<int, int> moves)
        : script(script), moves(std::move(moves)) {
        SetKeyboardSource(this);
    }
    ~MovedKeyboard() override { SetKeyboardSource(nullptr); }
    bool Open() override { return true; }

protected:
    bool ReadHeld(std::uint8_t (&keys)[256]) override {
        std::memset(keys, 0, sizeof(keys));
        for (int code = 0; code < 256; ++code) {
            if (script.held[code] != 0) {
                const auto moved = moves.find(code);
                keys[moved == moves.end() ? code : moved->second] = 0x80;
            }
        }
        return true;
    }

private:
    testing_support::ScriptedKeyboard& script;
    std::map<int, int> moves;
};

// The replay keeps the codes the game read: a game played with every play key moved replays the same with
// the keys as the game comes.
// While the page shows its touch controls the title's links name no keys and open their screens by a tap,
// and the help card names the touch controls where it names the keys; a key brings the keys back.
TEST(ControlsTouch, TheTitlesHelpLinkOpensByATapAndTheCardNamesTheTouchControls) {
    testing_support::PointingMouse mouse;
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    GetTouchControls().SetShown(true);
    driver.Frame();
    // "how to play", first on the line under the menu.
    mouse.x = 290;
    mouse.y = 574;
    mouse.down = true;
    driver.Frame();
    mouse.down = false;
    ASSERT_TRUE(driver.Game().help.IsOpen());
    driver.Frame();
    Shoot(driver, "help-touch");
    // Where the heading's TOUCH is longer than KEY.
    const std::uint64_t byTouch = AreaSum(driver, 84, 96, 104, 116);
    GetTouchControls().SetShown(false);
    driver.Frame();
    EXPECT_NE(AreaSum(driver, 84, 96, 104, 116), byTouch);
}

TEST(ControlsReplay, AGamePlayedWithOtherKeysReplaysToTheSameResultWithTheDefaults) {
    const std::map<int, int> moves = {{DIK_UP, DIK_I},    {DIK_DOWN, DIK_K},        {DIK_LEFT, DIK_J},
                                      {DIK_RIGHT, DIK_L}, {DIK_LSHIFT, DIK_RSHIFT}, {DIK_Z, DIK_Q},
                                      {DIK_X, DIK_W},     {DIK_C, DIK_E},           {DIK_V, DIK_T},
                                      {DIK_SPACE, DIK_B}, {DIK_A, DIK_N},           {DIK_S, DIK_H}};
    const Action movedActions[] = {Action::AimUp,   Action::AimDown, Action::AimLeft, Action::AimRight,
                                   Action::AimFast, Action::Red,     Action::Yellow,  Action::Blue,
                                   Action::Green,   Action::Refill,  Action::SpeedOn, Action::SpeedBack};
    GameDriver driver;
    MovedKeyboard keyboard(driver.keyboard, moves);
    // The input reads the keyboard installed when it is made.
    Corvane::g_pInput->Create();
    ASSERT_TRUE(driver.Initialize());
    Bindings bindings;
    for (const Action action : movedActions) {
        const std::uint8_t from = bindings.Of(action).keys[0].code;
        bindings.BindKey(action, 0, KeyBinding::AtPlace(static_cast<std::uint8_t>(moves.at(from))));
    }
    driver.Game().boundKeys.Use(bindings);
    const ReplayResult played = testing_support::PlayScriptedGame(driver, DIFFICULTY_NORMAL, false);
    EXPECT_GT(played.shots, 100);
    EXPECT_GT(played.hits, 0);
    ASSERT_TRUE(driver.Game().recorder.HasFinished());

    driver.Game().boundKeys.Use(Bindings{});
    const ReplayResult replayed =
        testing_support::PlayRecordedGame(driver, driver.Game().recorder.Finished(), false);
    EXPECT_EQ(replayed.ToText(), played.ToText());
}

// Bindings kept in the settings file: read at the start, and not at all by the classic game.
class ControlsKept : public ::testing::Test {
protected:
    ControlsKept() {
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
        std::filesystem::create_directories(home.File("yorun"));
        std::ofstream(home.File("yorun/settings.ini")) << "[controls]\nversion = 1\nred = Q\n";
    }
    ~ControlsKept() override {
        SetGameOptions(GameOptions{});
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }

    // Which of Q and Z loose red in a game started with these options.
    std::pair<bool, bool> RedFrom(bool classic) {
        GameOptions options;
        options.save = true;
        options.classic = classic;
        SetGameOptions(options);
        GameDriver driver;
        EXPECT_TRUE(driver.Initialize());
        std::pair<bool, bool> shots;
        for (const int key : {DIK_Q, DIK_Z}) {
            driver.State().difficulty = DIFFICULTY_NORMAL;
            driver.Game().StartNewGame();
            driver.State().scene = SCENE_PLAY;
            driver.State().sceneChanged = false;
            driver.Game().playScene.arrows.ResetSlots();
            driver.Game().playScene.arrows.shotTimer = 1.0f;
            driver.keyboard.Press(key);
            driver.Frame();
            driver.keyboard.ReleaseAll();
            const bool shot = driver.Game().playScene.arrows.slots[0].picture.visible;
            (key == DIK_Q ? shots.first : shots.second) = shot;
        }
        return shots;
    }

    testing_support::TemporaryDirectory home;
};

TEST_F(ControlsKept, TheKeptBindingsPlayAndTheClassicGameKeepsItsOwnKeys) {
    EXPECT_EQ(RedFrom(false), std::make_pair(true, false));
    EXPECT_EQ(RedFrom(true), std::make_pair(false, true));
}

// The classic game reads the keyboard as it is: the Pause key is the Pause key's code, and Q is Q's. The
// bindings would make Pause press P's code and take Q for the red arrow.
TEST_F(ControlsKept, TheClassicGameReadsTheKeysAsTheyAre) {
    for (const bool classic : {false, true}) {
        GameOptions options;
        options.save = true;
        options.classic = classic;
        SetGameOptions(options);
        GameDriver driver;
        ASSERT_TRUE(driver.Initialize());
        driver.keyboard.Press(DIK_PAUSE);
        driver.keyboard.Press(DIK_Q);
        driver.Frame();
        EXPECT_EQ(Corvane::g_pInput->IsKeyDown(DIK_PAUSE), classic) << classic;
        EXPECT_EQ(Corvane::g_pInput->IsKeyDown(DIK_Q), classic) << classic;
        EXPECT_EQ(Corvane::g_pInput->IsKeyDown(DIK_P), !classic) << classic;
    }
}

}  // namespace
