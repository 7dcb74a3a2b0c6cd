#include "app/OptionWords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Corvane::OptionWords;

// The words as the program would receive them, the program's own name first.
class Words {
public:
    Words(std::initializer_list<const char*> words) : pointers{"yorun"} {
        pointers.insert(pointers.end(), words.begin(), words.end());
    }
    OptionWords Read() const { return OptionWords(static_cast<int>(pointers.size()), pointers.data()); }

private:
    std::vector<const char*> pointers;
};

TEST(OptionWords, NoWordsLeaveTheWindowModeToTheCaller) {
    const OptionWords words = Words({}).Read();
    EXPECT_EQ(words.GetWindow(), OptionWords::Window::Unchanged);
    EXPECT_FALSE(words.WantsHelp());
    EXPECT_FALSE(words.WantsVersion());
    EXPECT_FALSE(words.WantsIntegerScale());
    EXPECT_EQ(words.CountUnknown(), 0);
}

TEST(OptionWords, LongSpellingsMeanTheSameAsTheShortOnes) {
    EXPECT_EQ(Words({"--fullscreen"}).Read().GetWindow(), OptionWords::Window::FullScreen);
    EXPECT_EQ(Words({"/full"}).Read().GetWindow(), OptionWords::Window::FullScreen);
    EXPECT_EQ(Words({"--window"}).Read().GetWindow(), OptionWords::Window::Windowed);
    EXPECT_EQ(Words({"/win"}).Read().GetWindow(), OptionWords::Window::Windowed);
}

TEST(OptionWords, TheLastWindowWordWinsAcrossSpellings) {
    EXPECT_EQ(Words({"/full", "--window"}).Read().GetWindow(), OptionWords::Window::Windowed);
    EXPECT_EQ(Words({"--window", "/full"}).Read().GetWindow(), OptionWords::Window::FullScreen);
    EXPECT_EQ(Words({"--fullscreen", "/win"}).Read().GetWindow(), OptionWords::Window::Windowed);
}

TEST(OptionWords, ShortWordsAreCaseSensitiveAndNeedTheirSlash) {
    EXPECT_EQ(Words({"/FULL"}).Read().GetWindow(), OptionWords::Window::Unchanged);
    EXPECT_EQ(Words({"full"}).Read().GetWindow(), OptionWords::Window::Unchanged);
    EXPECT_EQ(Words({"--Fullscreen"}).Read().GetWindow(), OptionWords::Window::Unchanged);
}

TEST(OptionWords, HelpVersionAndIntegerScaleAreRecognised) {
    EXPECT_TRUE(Words({"--help"}).Read().WantsHelp());
    EXPECT_TRUE(Words({"/full", "--version"}).Read().WantsVersion());
    EXPECT_TRUE(Words({"--integer-scale"}).Read().WantsIntegerScale());
    EXPECT_FALSE(Words({"--integer-scale"}).Read().WantsHelp());
}

TEST(OptionWords, UnknownOptionsAreCountedOnceEachAndPlainWordsNotAtAll) {
    EXPECT_EQ(Words({"--verbose", "/x", "--verbose", "plain", "/full"}).Read().CountUnknown(), 2);
    EXPECT_EQ(Words({"/FULL", "-h"}).Read().CountUnknown(), 2);
    EXPECT_EQ(Words({"--help", "--window", "/win", "--integer-scale"}).Read().CountUnknown(), 0);
}

TEST(OptionWords, AnUnknownOptionIsEchoedCutAndWithoutControlCharacters) {
    // Forty bytes of the word at most, never half a character, and no escape sequence for the terminal.
    const std::string longWord = "--" + std::string(37, 'x') + "あいう";
    const std::string hostile = "--\x1b]0;title\x07";
    testing::internal::CaptureStderr();
    Words({longWord.c_str(), hostile.c_str()}).Read().ReportUnknown();
    const std::string echoed = testing::internal::GetCapturedStderr();
    EXPECT_NE(echoed.find("'--" + std::string(37, 'x') + "…'"), std::string::npos) << echoed;
    EXPECT_NE(echoed.find("'--?]0;title?'"), std::string::npos) << echoed;
}

TEST(OptionWords, ReplayTakesTheNextWordWhateverItLooksLikeAndNoSaveAndClassicAreRecognised) {
    const Words given({"--replay", "/home/player/game.yrp", "--no-save", "--classic"});
    const OptionWords words = given.Read();
    EXPECT_STREQ(words.GetReplay(), "/home/player/game.yrp");
    EXPECT_TRUE(words.WantsNoSave());
    EXPECT_TRUE(words.WantsClassic());
    EXPECT_EQ(words.CountUnknown(), 0);
    EXPECT_EQ(Words({"--replay"}).Read().GetReplay(), nullptr);
    EXPECT_FALSE(Words({"/full"}).Read().WantsNoSave());
    EXPECT_FALSE(Words({"/full"}).Read().WantsClassic());
}

TEST(OptionWords, UnknownOptionsDoNotChangeTheKnownOnes) {
    const OptionWords words = Words({"/full", "--verbose"}).Read();
    EXPECT_EQ(words.GetWindow(), OptionWords::Window::FullScreen);
    EXPECT_FALSE(words.WantsHelp());
}

TEST(OptionWords, MissingWordsAreSkipped) {
    const char* arguments[] = {"yorun", nullptr, "--fullscreen"};
    const OptionWords words(3, arguments);
    EXPECT_EQ(words.GetWindow(), OptionWords::Window::FullScreen);
    EXPECT_EQ(words.CountUnknown(), 0);
    EXPECT_EQ(OptionWords(5, nullptr).GetWindow(), OptionWords::Window::Unchanged);
}

}  // namespace
