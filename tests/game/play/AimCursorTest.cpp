#include "game/play/AimCursor.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "support/PlayField.h"

using namespace Yorun;
using platform::DIK_DOWN;
using platform::DIK_LEFT;
using platform::DIK_LSHIFT;
using platform::DIK_RIGHT;
using platform::DIK_UP;
using play_testing::PlayField;

namespace {

class AimCursor : public PlayField {
protected:
    // One cursor update with exactly these keys held.
    int UpdateHolding(std::initializer_list<int> keys) {
        driver.keyboard.ReleaseAll();
        for (int key : keys) {
            driver.keyboard.Press(key);
        }
        Corvane::g_pInput->Refresh(driver.application.active);
        return Cursor().Update();
    }

    void PlaceAt(float x, float y) {
        Cursor().x = x;
        Cursor().y = y;
    }
};

struct DirectionCase {
    std::initializer_list<int> keys;
    int code;
    float vx;
    float vy;
};

}  // namespace

TEST_F(AimCursor, TheHeldCursorKeysGiveNineDirectionsLeftWinningOverRightAndUpOverDown) {
    const DirectionCase cases[] = {
        {{}, 0, 0, 0},
        {{DIK_LEFT, DIK_UP}, 1, -8, -8},
        {{DIK_LEFT, DIK_DOWN}, 2, -8, 8},
        {{DIK_LEFT}, 3, -8, 0},
        {{DIK_RIGHT, DIK_UP}, 4, 8, -8},
        {{DIK_RIGHT, DIK_DOWN}, 5, 8, 8},
        {{DIK_RIGHT}, 6, 8, 0},
        {{DIK_UP}, 7, 0, -8},
        {{DIK_DOWN}, 8, 0, 8},
        {{DIK_LEFT, DIK_RIGHT}, 3, -8, 0},
        {{DIK_UP, DIK_DOWN}, 7, 0, -8},
        {{DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN}, 1, -8, -8},
        {{DIK_RIGHT, DIK_UP, DIK_DOWN}, 4, 8, -8},
    };
    for (const DirectionCase& test : cases) {
        PlaceAt(300.0f, 200.0f);
        EXPECT_EQ(UpdateHolding(test.keys), test.code);
        EXPECT_EQ(Cursor().direction, test.code);
        EXPECT_FLOAT_EQ(Cursor().vx, test.vx) << test.code;
        EXPECT_FLOAT_EQ(Cursor().vy, test.vy) << test.code;
        EXPECT_FLOAT_EQ(Cursor().x, 300.0f + test.vx) << test.code;
        EXPECT_FLOAT_EQ(Cursor().y, 200.0f + test.vy) << test.code;
        EXPECT_FLOAT_EQ(Cursor().image.x, Cursor().x);
        EXPECT_FLOAT_EQ(Cursor().image.y, Cursor().y);
    }
}

TEST_F(AimCursor, LeftShiftDoublesTheStepWithoutNormalisingDiagonals) {
    PlaceAt(300.0f, 200.0f);
    EXPECT_EQ(UpdateHolding({DIK_LSHIFT, DIK_RIGHT, DIK_DOWN}), 5);
    EXPECT_FLOAT_EQ(Cursor().x, 316.0f);
    EXPECT_FLOAT_EQ(Cursor().y, 216.0f);
    EXPECT_EQ(UpdateHolding({DIK_LSHIFT}), 0);
    EXPECT_FLOAT_EQ(Cursor().x, 316.0f);
}

TEST_F(AimCursor, TheCentreOfTheHalfSizeReticleReachesEveryEdgeButNotBeyond) {
    // 100 x 100 at half size: the top-left corner stops 25 pixels beyond each edge.
    PlaceAt(770.0f, 570.0f);
    UpdateHolding({DIK_RIGHT, DIK_DOWN});
    EXPECT_FLOAT_EQ(Cursor().x, 775.0f);
    EXPECT_FLOAT_EQ(Cursor().y, 575.0f);
    PlaceAt(775.0f, 575.0f);
    UpdateHolding({DIK_RIGHT, DIK_DOWN});
    EXPECT_FLOAT_EQ(Cursor().x, 775.0f);
    EXPECT_FLOAT_EQ(Cursor().y, 575.0f);
    PlaceAt(-20.0f, -20.0f);
    UpdateHolding({DIK_LSHIFT, DIK_LEFT, DIK_UP});
    EXPECT_FLOAT_EQ(Cursor().x, -25.0f);
    EXPECT_FLOAT_EQ(Cursor().y, -25.0f);
    EXPECT_FLOAT_EQ(Cursor().image.x, -25.0f);
    PlaceAt(-17.0f, -17.0f);
    UpdateHolding({DIK_LEFT, DIK_UP});
    EXPECT_FLOAT_EQ(Cursor().x, -25.0f);
    EXPECT_FLOAT_EQ(Cursor().y, -25.0f);
}

TEST(AimCursorCentring, TheFirstCentringUsesFullSizeAndLaterOnesHalfSize) {
    testing_support::GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    CAimCursor& cursor = driver.Game().playScene.cursor;
    // At start-up the reticle is centred while still at scale 1, then halved.
    EXPECT_FLOAT_EQ(cursor.x, 350.0f);
    EXPECT_FLOAT_EQ(cursor.y, 250.0f);
    EXPECT_FLOAT_EQ(cursor.image.scaleX, 0.5f);
    EXPECT_FLOAT_EQ(cursor.image.scaleY, 0.5f);
    cursor.direction = 6;
    cursor.vx = 8.0f;
    cursor.Centre();
    EXPECT_FLOAT_EQ(cursor.x, 375.0f);
    EXPECT_FLOAT_EQ(cursor.y, 275.0f);
    EXPECT_FLOAT_EQ(cursor.image.x, 375.0f);
    EXPECT_FLOAT_EQ(cursor.image.y, 275.0f);
    EXPECT_EQ(cursor.direction, 0);
    EXPECT_FLOAT_EQ(cursor.vx, 0.0f);
}

TEST_F(AimCursor, ANewGameCentresTheCursorAndThePlaySceneKeepsItsDirectionForTheNextShot) {
    driver.keyboard.Press(DIK_LEFT);
    driver.Frames(3);
    EXPECT_FLOAT_EQ(Cursor().x, 375.0f - 24.0f);
    EXPECT_EQ(Scene().aimDirection, 3);
    StartPlaying(DIFFICULTY_NORMAL);
    EXPECT_FLOAT_EQ(Cursor().x, 375.0f);
    EXPECT_FLOAT_EQ(Cursor().y, 275.0f);
}
