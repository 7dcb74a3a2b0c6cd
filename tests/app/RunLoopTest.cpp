#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ExitCodes.h"
#include "platform/events/Message.h"
#include "support/ScriptedMessageQueue.h"
#include "support/TestClock.h"

using Corvane::CApplication;
using testing_support::ScriptedMessageQueue;
using testing_support::TestClock;

namespace {

// Records what the loop calls, in order, and lets a test act at a given frame.
struct Recorder {
    std::vector<std::string> calls;
    bool initializeResult = true;
    int frames = 0;
    std::function<void(int frame)> onUpdate;
};

Recorder* recorder = nullptr;

bool RecordInitialize() {
    recorder->calls.emplace_back("initialize");
    return recorder->initializeResult;
}

void RecordUpdate() {
    ++recorder->frames;
    recorder->calls.emplace_back("update");
    if (recorder->onUpdate) {
        recorder->onUpdate(recorder->frames);
    }
}

void RecordRender() {
    recorder->calls.emplace_back("render");
}

void RecordRelease() {
    recorder->calls.emplace_back("release");
}

class RunLoop : public ::testing::Test {
protected:
    RunLoop() {
        recorder = &record;
        application.callbacks = {&RecordInitialize, &RecordUpdate, &RecordRender, &RecordRelease};
        application.frameInterval = 0.016393442f;
    }
    ~RunLoop() override { recorder = nullptr; }

    TestClock clock{1'000'000};
    ScriptedMessageQueue queue;
    Recorder record;
    CApplication application;
};

}  // namespace

TEST_F(RunLoop, PendingMessagesAreHandledBeforeTheFirstFrame) {
    queue.Add(platform::WM_ACTIVATE, platform::WA_ACTIVE);
    queue.Add(platform::WM_PAINT);
    bool activeInFirstFrame = false;
    record.onUpdate = [&](int frame) {
        if (frame == 1) {
            activeInFirstFrame = application.active;
            application.Quit();
        }
    };
    application.Run();
    EXPECT_TRUE(activeInFirstFrame);
    EXPECT_EQ(record.frames, 1);
}

TEST_F(RunLoop, EachFrameUpdatesThenRendersAndReleaseComesLast) {
    record.onUpdate = [&](int frame) {
        if (frame == 3) {
            application.Quit();
        }
    };
    EXPECT_EQ(application.Run(), 0);
    const std::vector<std::string> expected = {"initialize", "update", "render", "update",
                                               "render",     "update", "render", "release"};
    EXPECT_EQ(record.calls, expected);
}

TEST_F(RunLoop, EscapeEndsTheLoopWithNoFurtherFrameAndExitCodeZero) {
    record.onUpdate = [&](int frame) {
        if (frame == 2) {
            queue.Add(platform::WM_CHAR, 27);
        }
    };
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(record.frames, 2);
    EXPECT_EQ(record.calls.back(), "release");
}

// The first press went to a box, or to another window before this one had the focus: the repeats that
// follow, the key held, quit all the same.
TEST_F(RunLoop, AutoRepeatedEscapeQuitsAsWell) {
    queue.Add(platform::WM_CHAR, 27, platform::kKeyWasDown);
    application.Run();
    EXPECT_EQ(record.frames, 0);
    EXPECT_EQ(record.calls.back(), "release");
}

TEST_F(RunLoop, DestroyingTheWindowEndsTheLoop) {
    record.onUpdate = [&](int frame) {
        if (frame == 4) {
            queue.Add(platform::WM_DESTROY);
        }
    };
    application.Run();
    EXPECT_EQ(record.frames, 4);
}

TEST_F(RunLoop, TheCloseCommandDestroysTheWindowAndEndsTheLoop) {
    queue.Add(platform::WM_COMMAND, 105);
    application.Run();
    EXPECT_EQ(record.frames, 0);
    EXPECT_EQ(record.calls.back(), "release");
}

TEST_F(RunLoop, AFailedInitialiseRunsNoFrameStillReleasesAndReportsTheFailure) {
    record.initializeResult = false;
    queue.Add(platform::WM_PAINT);
    EXPECT_EQ(application.Run(), Corvane::EXIT_CODE_NO_GAME_DATA);
    const std::vector<std::string> expected = {"initialize", "release"};
    EXPECT_EQ(record.calls, expected);
    EXPECT_TRUE(application.showBanner);
}

TEST_F(RunLoop, TheBannerIsTakenDownOnceTheGameHasInitialised) {
    bool bannerDuringInitialise = false;
    static bool* seen = nullptr;
    seen = &bannerDuringInitialise;
    application.callbacks.initialize = [] {
        *seen = Corvane::g_pApplication->showBanner;
        return true;
    };
    record.onUpdate = [&](int) { application.Quit(); };
    application.Run();
    EXPECT_TRUE(bannerDuringInitialise);
    EXPECT_FALSE(application.showBanner);
}

TEST_F(RunLoop, FramesArePacedAtOneSixtyFirstOfASecond) {
    std::vector<std::int64_t> ticks;
    record.onUpdate = [&](int frame) {
        ticks.push_back(application.timer.frameTicks);
        if (frame == 10) {
            application.Quit();
        }
    };
    application.Run();
    ASSERT_EQ(ticks.size(), 10u);
    for (std::size_t index = 1; index < ticks.size(); ++index) {
        EXPECT_EQ(ticks[index], 16393) << "frame " << index;
    }
}

TEST_F(RunLoop, TheFirstFrameSeesTheTimeTheGameTookToInitialise) {
    static TestClock* slowClock = nullptr;
    slowClock = &clock;
    application.callbacks.initialize = [] {
        slowClock->Advance(2.5);
        return true;
    };
    std::int64_t firstTicks = 0;
    record.onUpdate = [&](int) {
        firstTicks = application.timer.frameTicks;
        application.Quit();
    };
    application.Run();
    EXPECT_EQ(firstTicks, 2'500'000);
}

TEST_F(RunLoop, WithoutAnIntervalFramesAreNotPaced) {
    application.frameInterval = -1.0f;
    record.onUpdate = [&](int frame) {
        if (frame == 5) {
            application.Quit();
        }
    };
    application.Run();
    EXPECT_EQ(clock.sleeps, 0);
    EXPECT_EQ(application.timer.frameTicks, 0);
}

TEST_F(RunLoop, AnInactiveWindowYieldsAfterEveryFrameAndKeepsRunning) {
    queue.Add(platform::WM_ACTIVATE, platform::WA_ACTIVE);
    record.onUpdate = [&](int frame) {
        if (frame == 2) {
            queue.Add(platform::WM_ACTIVATE, platform::WA_INACTIVE);
        }
        if (frame == 5) {
            application.Quit();
        }
    };
    application.Run();
    EXPECT_FALSE(application.active);
    EXPECT_EQ(record.frames, 5);
    EXPECT_EQ(clock.yields, 3);
}
