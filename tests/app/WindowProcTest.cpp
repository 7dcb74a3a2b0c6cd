#include <gtest/gtest.h>

#include <cstring>

#include "app/Application.h"
#include "platform/events/Message.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedMessageQueue.h"

using Corvane::CApplication;
using Corvane::MainWindowProc;
using platform::Message;
using testing_support::RecordingMessageBoxes;
using testing_support::ScriptedMessageQueue;

namespace {

Message Make(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0, const char* text = "") {
    Message message;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    std::snprintf(message.text, sizeof(message.text), "%s", text);
    return message;
}

class WindowProc : public ::testing::Test {
protected:
    ScriptedMessageQueue queue;
    CApplication application;

    void Send(const Message& message) { MainWindowProc(nullptr, message); }
    bool QuitPosted() const {
        return !queue.messages.empty() && queue.messages.back().id == platform::WM_QUIT &&
               queue.messages.back().wParam == 0;
    }
};

}  // namespace

TEST_F(WindowProc, ActivationFollowsTheLowWordOfTheActivateMessage) {
    Send(Make(platform::WM_ACTIVATE, platform::WA_ACTIVE));
    EXPECT_TRUE(application.IsActive());
    Send(Make(platform::WM_ACTIVATE, 0x00010000u));  // inactive, minimised flag in the high word
    EXPECT_FALSE(application.IsActive());
    Send(Make(platform::WM_ACTIVATE, 2));
    EXPECT_TRUE(application.IsActive());
}

TEST_F(WindowProc, EscapePostsQuitWhetherOrNotTextEntryIsOn) {
    Send(Make(platform::WM_CHAR, 27));
    EXPECT_TRUE(QuitPosted());
    queue.messages.clear();
    application.EnableTextInput(true);
    Send(Make(platform::WM_CHAR, 27));
    EXPECT_TRUE(QuitPosted());
    EXPECT_STREQ(application.inputText, "");
}

TEST_F(WindowProc, TypedCharactersCollectOnlyWhileTextEntryIsOnAndOnlyPrintableOnes) {
    Send(Make(platform::WM_CHAR, 'a'));
    EXPECT_STREQ(application.inputText, "");
    application.EnableTextInput(true);
    Send(Make(platform::WM_CHAR, 'h'));
    Send(Make(platform::WM_CHAR, 0x07));
    Send(Make(platform::WM_CHAR, 'i'));
    Send(Make(platform::WM_CHAR, 0x7F));
    EXPECT_STREQ(application.inputText, "hi");
    EXPECT_TRUE(queue.messages.empty());
}

TEST_F(WindowProc, TypedTextStopsAtTheBufferLimit) {
    application.EnableTextInput(true);
    for (int count = 0; count < 1100; ++count) {
        Send(Make(platform::WM_CHAR, 'x'));
    }
    EXPECT_EQ(std::strlen(application.inputText), 1023u);
}

TEST_F(WindowProc, CompositionStateFollowsTheInputMethodMessages) {
    Send(Make(platform::WM_IME_STARTCOMPOSITION));
    EXPECT_TRUE(application.composing);
    Send(Make(platform::WM_IME_COMPOSITION, 0, platform::GCS_COMPSTR, "にほ"));
    EXPECT_STREQ(application.compositionText, "にほ");
    Send(Make(platform::WM_IME_COMPOSITION, 0, platform::GCS_RESULTSTR, "日本"));
    EXPECT_STREQ(application.inputText, "日本");
    EXPECT_STREQ(application.compositionText, "");
    Send(Make(platform::WM_IME_COMPOSITION, 0, platform::GCS_COMPSTR, "ご"));
    Send(Make(platform::WM_IME_ENDCOMPOSITION));
    EXPECT_FALSE(application.composing);
    EXPECT_STREQ(application.compositionText, "");
}

TEST_F(WindowProc, ResettingTextInputSwitchesItOffAndClearsTheState) {
    application.EnableTextInput(true);
    Send(Make(platform::WM_CHAR, 'q'));
    Send(Make(platform::WM_IME_STARTCOMPOSITION));
    Send(Make(platform::WM_IME_COMPOSITION, 0, platform::GCS_COMPSTR, "か"));
    application.ResetTextInput(nullptr);
    EXPECT_FALSE(application.textInput);
    EXPECT_FALSE(application.composing);
    EXPECT_STREQ(application.inputText, "");
    EXPECT_STREQ(application.compositionText, "");
    EXPECT_EQ(application.compositionAttributeCount, 0);
}

TEST_F(WindowProc, TheAboutCommandShowsTheVersionBox) {
    RecordingMessageBoxes boxes;
    Send(Make(platform::WM_COMMAND, 104));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "バージョン情報");
    EXPECT_EQ(boxes.boxes[0].text, "Sample Version 1.0");
    EXPECT_TRUE(queue.messages.empty());
}

TEST_F(WindowProc, TheCloseCommandEndsTheProgram) {
    Send(Make(platform::WM_COMMAND, 105));
    EXPECT_TRUE(QuitPosted());
}
