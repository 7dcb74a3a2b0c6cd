// The classic game, pinned frame by frame: a whole scripted game, from the title through play and the score
// screen back to the title, drawn every frame and summed once a second of frames. The sums were taken from
// the game as it was before anything was added on top of it, so whatever is added later must leave the
// classic game's every frame alone (--classic). Keys the classic game does not know are pressed on the way:
// the help card's and the records screen's and the volume keys on the title, pause twice and the volume
// keys again in play.
// Record them again only after a deliberate change of what the classic game draws:
//     YORUN_RECORD_FRAMES=1 build/tests/game_tests --gtest_filter='ClassicFrames.*'
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "game/GameOptions.h"
#include "game/GameState.h"
#include "platform/input/InputLatch.h"
#include "platform/input/KeyCodes.h"
#include "support/GameDriver.h"
#include "support/ReplayScript.h"

using testing_support::GameDriver;

namespace {

constexpr int kFramesPerSum = 61;

std::string FrameSums(GameDriver& driver) {
    std::ostringstream text;
    std::uint64_t sum = 14695981039346656037ull;
    int frame = 0;
    int playFrames = 0;
    driver.afterFrame = [&]() {
        sum = (sum ^ driver.graphics.Checksum()) * 1099511628211ull;
        if (++frame % kFramesPerSum == 0) {
            text << frame << ' ' << std::hex << sum << std::dec << '\n';
        }
        // Taps between two frames of play, which the scripted player's own keys leave alone.
        if (driver.State().scene == Yorun::SCENE_PLAY) {
            switch (++playFrames) {
                case 600:
                case 603:
                    platform::GetInputLatch().PressKey(platform::DIK_P);
                    break;
                case 900:
                    platform::GetInputLatch().PressKey(platform::DIK_MINUS);
                    platform::GetInputLatch().PressKey(platform::DIK_M);
                    break;
                default:
                    break;
            }
        }
    };
    for (const int key : {platform::DIK_F1, platform::DIK_R, platform::DIK_EQUALS, platform::DIK_M}) {
        driver.Tap(key);
    }
    testing_support::PlayScriptedGame(driver, Yorun::DIFFICULTY_NORMAL, true);
    driver.Frames(30);
    text << frame << ' ' << std::hex << sum << std::dec << '\n';
    driver.afterFrame = nullptr;
    return text.str();
}

}  // namespace

TEST(ClassicFrames, AWholeGameDrawsEveryFrameAsTheClassicGameAlwaysHas) {
    Yorun::GameOptions options;
    options.classic = true;
    Yorun::SetGameOptions(options);
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    const std::string golden = std::string(YORUN_GOLDEN_DIR) + "/classic_frames.txt";
    const std::string sums = FrameSums(driver);
    if (std::getenv("YORUN_RECORD_FRAMES") != nullptr) {
        std::ofstream(golden) << sums;
        Yorun::SetGameOptions(Yorun::GameOptions{});
        GTEST_SKIP() << "recorded " << golden << "; run again to check against it";
    }
    std::ifstream file(golden);
    std::stringstream recorded;
    recorded << file.rdbuf();
    EXPECT_EQ(sums, recorded.str()) << "frames summed as in " << golden;
    Yorun::SetGameOptions(Yorun::GameOptions{});
}
