#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Application.h"
#include "input/Input.h"
#include "platform/events/MessageQueue.h"
#include "platform/input/KeyCodes.h"
#include "platform/system/HandedFiles.h"
#include "platform/video/Video.h"
#include "support/ScriptedMessageQueue.h"

using namespace platform;
using testing_support::ScriptedMessageQueue;

namespace {

// How a key press reaches the program: as an event in SDL's queue, which the SDL message queue translates,
// or as a message that a test's queue hands out. The keyboard read is SDL's either way, and SDL's keyboard
// state is not touched by pushed events, so every press here is one that the once-a-frame snapshot misses,
// like a tap that starts and ends between two frames.
enum class Delivery { SdlEvent, ScriptedMessage };

class KeyTap : public ::testing::TestWithParam<Delivery> {
protected:
    void SetUp() override {
        ASSERT_TRUE(InitVideo("Yorun"));
        if (GetParam() == Delivery::ScriptedMessage) {
            scripted = std::make_unique<ScriptedMessageQueue>();
        }
        application.active = true;
        ASSERT_TRUE(Succeeded(input.Create()));
        Corvane::g_pInput = &input;
    }

    void TearDown() override { Corvane::g_pInput = nullptr; }

    // A key goes down and up again, with Alt held or not.
    void Tap(SDL_Scancode scancode, std::uint8_t code, bool withAlt = false) {
        if (scripted != nullptr) {
            scripted->Add(withAlt ? WM_SYSKEYDOWN : WM_KEYDOWN, code);
            return;
        }
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        event.key.keysym.mod = withAlt ? KMOD_LALT : KMOD_NONE;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
        event.type = SDL_KEYUP;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    // The turns of the loop: the queue is worked off through the window procedure, then the frame reads
    // the input.
    void Frame() {
        Message message;
        while (GetMessageQueue().Peek(message)) {
            Corvane::MainWindowProc(nullptr, message);
        }
        input.Refresh(application.active);
    }

    std::unique_ptr<ScriptedMessageQueue> scripted;
    Corvane::CApplication application;
    Corvane::CInput input;
};

}  // namespace

TEST_P(KeyTap, AKeyTappedBetweenTwoFramesIsHeldAndTriggeredForExactlyOneFrame) {
    Frame();
    Tap(SDL_SCANCODE_RETURN, DIK_RETURN);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_RETURN));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_RETURN));
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_RETURN));
    EXPECT_FALSE(input.IsKeyTriggered(DIK_RETURN));
}

TEST_P(KeyTap, TheEnterOfAltEnterIsNotTheGamesButAPlainEnterAfterItIs) {
    Frame();
    Tap(SDL_SCANCODE_RETURN, DIK_RETURN, true);
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_RETURN));
    Tap(SDL_SCANCODE_RETURN, DIK_RETURN);
    Frame();
    EXPECT_TRUE(input.IsKeyTriggered(DIK_RETURN));
}

INSTANTIATE_TEST_SUITE_P(Deliveries, KeyTap, ::testing::Values(Delivery::SdlEvent, Delivery::ScriptedMessage),
                         [](const ::testing::TestParamInfo<Delivery>& info) {
                             return info.param == Delivery::SdlEvent ? std::string("SdlEvent")
                                                                     : std::string("ScriptedMessage");
                         });

TEST(PadTap, APadButtonTappedBetweenTwoFramesPressesItsKeyForOneFrame) {
    ASSERT_TRUE(InitVideo("Yorun"));
    Corvane::CApplication application;
    application.active = true;
    Corvane::CInput input;
    ASSERT_TRUE(Succeeded(input.Create()));
    const auto frame = [&] {
        Message message;
        while (GetMessageQueue().Peek(message)) {
            Corvane::MainWindowProc(nullptr, message);
        }
        input.Refresh(application.active);
    };
    // A virtual pad in the standard layout, plugged in as a real one would be.
    SDL_VirtualJoystickDesc description{};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    const int index = SDL_JoystickAttachVirtualEx(&description);
    ASSERT_GE(index, 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(index));
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    ASSERT_NE(joystick, nullptr);
    frame();

    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, 1);
    SDL_JoystickUpdate();
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, 0);
    SDL_JoystickUpdate();
    frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_Z));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_Z));
    frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_Z));

    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(index);
}

// A click that starts and ends between two frames: the mouse's own state never shows it.
TEST(Pointer, AClickBetweenTwoFramesHoldsTheLeftButtonForOneFrame) {
    ASSERT_TRUE(InitVideo("Yorun"));
    Corvane::CApplication application;
    application.active = true;
    Corvane::CInput input;
    ASSERT_TRUE(Succeeded(input.Create()));
    const auto frame = [&] {
        Message message;
        while (GetMessageQueue().Peek(message)) {
            Corvane::MainWindowProc(nullptr, message);
        }
        input.Refresh(application.active);
    };
    frame();
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    event.type = SDL_MOUSEBUTTONUP;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    frame();
    EXPECT_NE(input.mouse.buttons[0] & 0x80, 0);
    EXPECT_NE(input.mouseTriggered.buttons[0], 0);
    frame();
    EXPECT_EQ(input.mouse.buttons[0] & 0x80, 0);
}

TEST(Pointer, HidesWhileKeysArePressedAndComesBackWhenTheMouseMoves) {
    ASSERT_TRUE(InitVideo("Yorun"));
    const auto deliver = [](SDL_EventType type) {
        SDL_Event event{};
        event.type = type;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
        Message message;
        while (GetMessageQueue().Peek(message)) {
        }
    };
    deliver(SDL_KEYDOWN);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    deliver(SDL_MOUSEMOTION);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST(DroppedFile, AFileDroppedOnTheWindowWaitsForTheGameToTakeIt) {
    ASSERT_TRUE(InitVideo("Yorun"));
    for (const char* path : {"/home/player/first.yrp", "/home/player/ゲーム.yrp"}) {
        SDL_Event event{};
        event.type = SDL_DROPFILE;
        event.drop.file = SDL_strdup(path);
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }
    Message message;
    while (GetMessageQueue().Peek(message)) {
    }
    std::string taken;
    ASSERT_TRUE(TakeHandedFile(taken));
    EXPECT_EQ(taken, "/home/player/first.yrp");
    ASSERT_TRUE(TakeHandedFile(taken));
    EXPECT_EQ(taken, "/home/player/ゲーム.yrp");
    EXPECT_FALSE(TakeHandedFile(taken));
}
