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
        ASSERT_TRUE(InitVideo());
        application.active = true;
        ASSERT_TRUE(Succeeded(input.Create()));
    }

    void Push(SDL_EventType type, SDL_Scancode scancode) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    void PushButton(SDL_EventType type, SDL_GameControllerButton button) {
        SDL_Event event{};
        event.type = type;
        event.cbutton.button = static_cast<Uint8>(button);
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    // A turn of the loop: the queue is worked off, then the frame reads the input.
    void Frame() {
        Message message;
        while (GetMessageQueue().Peek(message)) {
        }
        input.Refresh();
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

TEST_F(KeyTap, AControllerButtonTappedBetweenTwoFramesPressesItsKeyForOneFrame) {
    Frame();
    PushButton(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_B);
    PushButton(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_B);
    Frame();
    EXPECT_TRUE(input.IsKeyTriggered(DIK_Z));
    Frame();
    EXPECT_FALSE(input.IsKeyDown(DIK_Z));
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
