#include "app/FrameTimer.h"

#include <gtest/gtest.h>

#include "support/TestClock.h"

using Corvane::CFrameTimer;
using testing_support::TestClock;

namespace {
constexpr float kFrameInterval = 0.016393442f;
}

TEST(FrameTimer, ResetChoosesThePerformanceCounterWhenThereIsOne) {
    TestClock clock(1'000'000, 5'000);
    CFrameTimer timer;
    timer.frameTicks = 77;
    timer.Reset();
    EXPECT_EQ(timer.useCounter, 1);
    EXPECT_EQ(timer.frequency, 1'000'000);
    EXPECT_EQ(timer.lastTick, 5'000);
    EXPECT_EQ(timer.frameTicks, 77);
}

TEST(FrameTimer, WithoutACounterTheMillisecondClockWaitsSixteenTicksForOneSixtyFirst) {
    TestClock clock(0, 0, 1000);
    CFrameTimer timer;
    timer.Reset();
    ASSERT_EQ(timer.useCounter, 0);
    ASSERT_EQ(timer.frequency, 1000);
    EXPECT_EQ(timer.WaitFor(kFrameInterval), 16);
    EXPECT_EQ(clock.milliseconds, 1016u);
    timer.Tick();
    EXPECT_EQ(timer.frameTicks, 16);
}

TEST(FrameTimer, WaitSleepsInStepsOfAtMostAMillisecondAndEndsOnTheTarget) {
    TestClock clock(10'000'000);
    CFrameTimer timer;
    timer.Reset();
    const std::int64_t passed = timer.WaitFor(kFrameInterval);
    // trunc(10^7 * 0.016393442) ticks: the interval holds instead of drifting by whole milliseconds.
    EXPECT_EQ(passed, 163934);
    EXPECT_LE(clock.longestSleep, 0.001);
    EXPECT_GE(clock.sleeps, 16);
    EXPECT_LE(clock.sleeps, 18);
}

TEST(FrameTimer, TimeSpentSinceTheLastTickCountsTowardsTheInterval) {
    TestClock clock(1'000'000);
    CFrameTimer timer;
    timer.Reset();
    clock.Advance(0.010);
    timer.WaitFor(kFrameInterval);
    EXPECT_EQ(clock.counter, 16393);
    clock.Advance(0.020);
    EXPECT_EQ(timer.WaitFor(kFrameInterval), 36393);
    EXPECT_EQ(clock.sleeps, 7);
}

TEST(FrameTimer, TickMeasuresTheTicksBetweenFrames) {
    TestClock clock(1'000'000, 100);
    CFrameTimer timer;
    timer.Reset();
    clock.Advance(0.25);
    timer.Tick();
    EXPECT_EQ(timer.frameTicks, 250'000);
    EXPECT_EQ(timer.lastTick, 250'100);
    EXPECT_DOUBLE_EQ(static_cast<double>(timer.frameTicks) / static_cast<double>(timer.frequency), 0.25);
}

TEST(FrameTimer, MillisecondDifferencesStayRightWhenTheTickWraps) {
    TestClock clock(0, 0, 0xFFFFFFF8u);
    CFrameTimer timer;
    timer.Reset();
    // 8 ms before the wrap; the wait must end 16 ms later, after the wrap, not run on forever.
    EXPECT_EQ(timer.WaitFor(kFrameInterval), 16);
    EXPECT_EQ(clock.milliseconds, 8u);
    timer.Tick();
    EXPECT_EQ(timer.frameTicks, 16);
    clock.Advance(0.005);
    timer.Tick();
    EXPECT_EQ(timer.frameTicks, 5);
}

TEST(FrameTimer, NoWaitWhenTheIntervalHasAlreadyPassed) {
    TestClock clock(1000);
    CFrameTimer timer;
    timer.Reset();
    clock.Advance(0.5);
    EXPECT_EQ(timer.WaitFor(kFrameInterval), 500);
    EXPECT_EQ(clock.sleeps, 0);
}
