#include <SDL.h>
#include <gtest/gtest.h>

#include "app/Application.h"
#include "input/Input.h"
#include "platform/KeyCodes.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"

using namespace platform;

namespace {

// The real keyboard and message queue: events go through SDL's queue as the window system's would. The
// keyboard state SDL keeps is not touched by pushed events, so every press pushed here is one that the
// once-a-frame snapshot misses, like a tap that starts and ends between two frames.
class KeyTap : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InitVideo("Yorun"));
        application.active = true;
        ASSERT_TRUE(Succeeded(input.Create()));
        Corvane::g_pInput = &input;
    }

    void TearDown() override { Corvane::g_pInput = nullptr; }

    void Push(SDL_EventType type, SDL_Scancode scancode) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
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

    Corvane::CApplication application;
    Corvane::CInput input;
};

}  // namespace

TEST_F(KeyTap, AKeyTappedBetweenTwoFramesIsHeldAndTriggeredForExactlyOneFrame) {
    Frame();
    Push(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
    Push(SDL_KEYUP, SDL_SCANCODE_RETURN);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_RETURN));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_RETURN));
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_RETURN));
    EXPECT_FALSE(input.IsKeyTriggered(DIK_RETURN));
}

TEST_F(KeyTap, APadButtonTappedBetweenTwoFramesPressesItsKeyForOneFrame) {
    // A virtual pad in the standard layout, plugged in as a real one would be.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0);
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
    Frame();

    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, 1);
    SDL_JoystickUpdate();
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, 0);
    SDL_JoystickUpdate();
    Frame();
    EXPECT_TRUE(input.IsKeyDown(DIK_Z));
    EXPECT_TRUE(input.IsKeyTriggered(DIK_Z));
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_Z));

    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(index);
}

TEST_F(KeyTap, TheEnterOfAltEnterIsNotLatched) {
    Frame();
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_RETURN;
    event.key.keysym.sym = SDLK_RETURN;
    event.key.keysym.mod = KMOD_LALT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_RETURN));
}
