#include "app/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "support/RecordingMessageBoxes.h"

using testing_support::RecordingMessageBoxes;

TEST(Diagnostics, MessageBoxesCarryTheApplicationTitleAndTheFormattedText) {
    RecordingMessageBoxes boxes;
    Corvane::CApplication application;
    std::snprintf(application.title, sizeof(application.title), "Yorun");
    Corvane::ReportError("ERR: Texture can't load %s\n", "Black.bmp");
    Corvane::ShowMessageBox(&application, "【%s】が読み込めませんでした。", "don11.ogg");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, "Yorun");
    EXPECT_EQ(boxes.boxes[0].text, "ERR: Texture can't load Black.bmp\n");
    EXPECT_EQ(boxes.boxes[1].text, "【don11.ogg】が読み込めませんでした。");
}

TEST(Diagnostics, LongTextsAreCutAtTheBufferWithoutBreakingACharacter) {
    RecordingMessageBoxes boxes;
    Corvane::CApplication application;
    Corvane::ReportError("%s", std::string(600, 'a').c_str());
    // 510 ASCII bytes, then a three-byte character that does not fit whole.
    Corvane::ReportError("%s%s", std::string(510, 'b').c_str(), "始");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, std::string(511, 'a'));
    EXPECT_EQ(boxes.boxes[1].text, std::string(510, 'b'));
}

TEST(Diagnostics, ReportErrorWithoutAnApplicationStillShowsTheText) {
    RecordingMessageBoxes boxes;
    Corvane::ReportError("plain %d", 7);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "");
    EXPECT_EQ(boxes.boxes[0].text, "plain 7");
}
