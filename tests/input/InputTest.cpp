#include "input/Input.h"

#include <gtest/gtest.h>

#include "app/Application.h"
#include "platform/events/Message.h"
#include "platform/input/KeyCodes.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedKeyboard.h"
#include "support/ScriptedMessageQueue.h"
#include "support/TestClock.h"

using Corvane::CApplication;
using Corvane::CInput;
using namespace platform;
using testing_support::RecordingMessageBoxes;
using testing_support::ScriptedKeyboard;
using testing_support::ScriptedMessageQueue;
using testing_support::TestClock;

namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InitVideo("Yorun"));
        application.active = true;
        ASSERT_TRUE(Succeeded(input.Create()));
    }

    // One frame of the loop: time passes, then the input is read.
    void Frame(double seconds = 1.0 / 61.0) {
        clock.Advance(seconds);
        input.Refresh(application.active);
    }

    void Activate(bool on) {
        Message message;
        message.id = WM_ACTIVATE;
        message.wParam = on ? WA_ACTIVE : WA_INACTIVE;
        Corvane::g_pInput = &input;
        Corvane::MainWindowProc(nullptr, message);
        Corvane::g_pInput = nullptr;
    }

    TestClock clock{0, 0, 10'000};
    ScriptedMessageQueue queue;
    ScriptedKeyboard keyboard;
    CApplication application;
    CInput input;
};

}  // namespace

TEST_F(Input, AKeyTriggersInTheFrameItGoesDownAndIsHeldWhileDown) {
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_Z));
    keyboard.Press(DIK_Z);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_Z));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_Z));
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_Z));
    EXPECT_FALSE(input.IsKeyTriggered(DIK_Z));
    keyboard.Release(DIK_Z);
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_Z));
    EXPECT_FALSE(input.IsKeyTriggered(DIK_Z));
}

TEST_F(Input, AHeldKeyRepeatsOnlyOnceMoreThanTwoHundredMillisecondsHavePassed) {
    keyboard.Press(DIK_DOWN);
    Frame(0.016);
    ASSERT_TRUE(input.IsKeyTriggered(DIK_DOWN));
    const std::uint32_t first = clock.milliseconds;
    // Exactly 200 ms after the trigger is not enough: the interval must be exceeded.
    clock.milliseconds = first + 200;
    input.Refresh(application.active);
    EXPECT_FALSE(input.IsKeyTriggered(DIK_DOWN));
    clock.milliseconds = first + 201;
    input.Refresh(application.active);
    EXPECT_TRUE(input.IsKeyTriggered(DIK_DOWN));
    clock.milliseconds = first + 250;
    input.Refresh(application.active);
    EXPECT_FALSE(input.IsKeyTriggered(DIK_DOWN));
    clock.milliseconds = first + 402;
    input.Refresh(application.active);
    EXPECT_TRUE(input.IsKeyTriggered(DIK_DOWN));
}

TEST_F(Input, HoldingAKeyAtSixtyOneFramesASecondRepeatsEveryThirteenFrames) {
    keyboard.Press(DIK_RETURN);
    int triggers = 0;
    for (int frame = 0; frame < 61; ++frame) {
        Frame();
        triggers += input.IsKeyTriggered(DIK_RETURN) ? 1 : 0;
    }
    // Down at frame 0, then 13 frames of 16 ms (208 ms) after each trigger: frames 0, 13, 26, 39, 52.
    EXPECT_EQ(triggers, 5);
}

TEST_F(Input, TheRepeatIntervalHoldsAcrossTheWrapOfTheMillisecondTick) {
    clock.milliseconds = 0xFFFFFFF0u;
    keyboard.Press(DIK_DOWN);
    input.Refresh(application.active);
    ASSERT_TRUE(input.IsKeyTriggered(DIK_DOWN));
    clock.milliseconds = 0xFFFFFFF5u;
    input.Refresh(application.active);
    EXPECT_FALSE(input.IsKeyTriggered(DIK_DOWN));
    clock.milliseconds = 0xFFFFFFF0u + 200u;  // wrapped: 184
    input.Refresh(application.active);
    EXPECT_FALSE(input.IsKeyTriggered(DIK_DOWN));
    clock.milliseconds = 0xFFFFFFF0u + 201u;
    input.Refresh(application.active);
    EXPECT_TRUE(input.IsKeyTriggered(DIK_DOWN));
}

TEST_F(Input, KeyCodesAreTakenModulo256) {
    keyboard.Press(DIK_LEFT);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_LEFT + 256));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_LEFT - 256));
}

TEST_F(Input, ActivationChangesClearEverythingAtOnce) {
    keyboard.Press(DIK_X);
    Frame();
    ASSERT_TRUE(input.IsKeyDown(DIK_X));
    Activate(false);
    EXPECT_FALSE(input.IsKeyDown(DIK_X));
    EXPECT_FALSE(input.IsKeyTriggered(DIK_X));
    // While inactive nothing is read, so every answer stays false.
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_X));
}

TEST_F(Input, AKeyHeldAcrossReactivationTriggersAgainAtOnce) {
    keyboard.Press(DIK_C);
    Frame();
    Frame();
    ASSERT_FALSE(input.IsKeyTriggered(DIK_C));
    Activate(false);
    Frame();
    Activate(true);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_C));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_C));
}

TEST_F(Input, AKeyHeldFromBeforeTheFirstFrameTriggersInTheFirstFrame) {
    keyboard.Press(DIK_RETURN);
    Frame();
    EXPECT_TRUE(input.IsKeyTriggered(DIK_RETURN));
}

TEST_F(Input, AFailedReadRepeatsTheLastAnswersTriggerIncluded) {
    keyboard.Press(DIK_A);
    Frame();
    ASSERT_TRUE(input.IsKeyTriggered(DIK_A));
    keyboard.failReads = true;
    keyboard.Release(DIK_A);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_A));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_A));
    keyboard.failReads = false;
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_A));
}

TEST_F(Input, PreviousStatesAndTriggerTimesSurviveAClear) {
    keyboard.Press(DIK_S);
    Frame();
    const std::uint32_t triggerTime = input.keyTriggerTime[DIK_S];
    Frame();
    input.Clear();
    EXPECT_EQ(input.prevKeys[DIK_S], 0x80);
    EXPECT_EQ(input.keyTriggerTime[DIK_S], triggerTime);
}

namespace {

// Two scripted controllers, of which a test sets the state.
class ScriptedControllers final : public ControllerSource {
public:
    ScriptedControllers() { SetControllerSource(this); }
    ~ScriptedControllers() override { SetControllerSource(nullptr); }
    int Open(int limit) override {
        opened = limit;
        return 2;
    }
    bool Read(int slot, ControllerState& state) override {
        state = states[slot];
        return true;
    }
    void Close() override { closed = true; }

    ControllerState states[2];
    int opened = 0;
    bool closed = false;

protected:
    int ReadHeldPads(PadState*, int) override { return 0; }
};

}  // namespace

TEST(InputControllers, DirectionsTriggerOnlyPastHalfTheAxisAndButtonsFollowTheSameRule) {
    ASSERT_TRUE(InitVideo("Yorun"));
    TestClock clock(0, 0, 1000);
    ScriptedKeyboard keyboard;
    ScriptedControllers controllers;
    CApplication application;
    application.active = true;
    {
        CInput input;
        ASSERT_TRUE(Succeeded(input.Create()));
        EXPECT_EQ(controllers.opened, 16);
        controllers.states[1].x = -500;
        controllers.states[1].y = 501;
        controllers.states[1].buttons[3] = 0x80;
        clock.Advance(0.016);
        input.Refresh(application.active);
        EXPECT_EQ(input.controllerButtons[1][0], 0);  // left: -500 is not past the threshold
        EXPECT_EQ(input.controllerTriggered[1][0], 0);
        EXPECT_EQ(input.controllerButtons[1][3], 0x80);  // down
        EXPECT_EQ(input.controllerTriggered[1][3], 1);
        EXPECT_EQ(input.controllerTriggered[1][4 + 3], 1);
        EXPECT_EQ(input.controllerTriggered[0][4 + 3], 0);
        controllers.states[1].x = -1000;
        clock.Advance(0.016);
        input.Refresh(application.active);
        EXPECT_EQ(input.controllerTriggered[1][0], 1);
        EXPECT_EQ(input.controllerTriggered[1][3], 0);  // held, not yet repeated
        EXPECT_EQ(input.prevControllerButtons[1][4 + 3], 0x80);
        clock.Advance(0.2);
        input.Refresh(application.active);
        EXPECT_EQ(input.controllerTriggered[1][3], 1);
    }
    EXPECT_TRUE(controllers.closed);
}

TEST(InputCreation, WithoutAWindowSystemTheInputCannotBeCreated) {
    ShutdownVideo();
    RecordingMessageBoxes boxes;
    CInput input;
    EXPECT_TRUE(Failed(input.Create()));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: DirectInput8Create\n");
}

TEST(InputCreation, AKeyboardWithoutAMouseStopsStartUpWithTheMouseMessage) {
    ShutdownVideo();
    ScriptedKeyboard keyboard;
    RecordingMessageBoxes boxes;
    CInput input;
    EXPECT_TRUE(Failed(input.Create()));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: DirectInput(Mouse) CreateDevice  \n");
}

TEST(InputCreation, TheApplicationCreatesTheInputAfterTheGraphicsAndReleasesIt) {
    RecordingMessageBoxes boxes;
    {
        CApplication application;
        char* arguments[] = {const_cast<char*>("yorun")};
        const Corvane::ProgramInstance instance{1, arguments};
        ASSERT_TRUE(application.Create(&instance, 0, 0, 800, 600, "Yorun", false));
        EXPECT_NE(Corvane::g_pInput, nullptr);
    }
    EXPECT_EQ(Corvane::g_pInput, nullptr);
}
