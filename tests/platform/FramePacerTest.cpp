// The browser calls the frame loop back once per display refresh; the game must still run 61 frames a
// second on a fast display, and one frame per refresh on a 60 Hz one.
#include "platform/system/FramePacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using platform::FramePacer;

namespace {

constexpr double kGameInterval = 1.0 / 61.0;

// Frames run over ten seconds of refreshes at the given rate, the refresh times jittered by up to the given
// milliseconds either way, as a browser's animation-frame timestamps are; and the most frames any one
// refresh ran (always one).
int FramesInTenSeconds(double refreshHz, double jitterMs) {
    FramePacer pacer(kGameInterval);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> jitter(-jitterMs / 1000.0, jitterMs / 1000.0);
    const int refreshes = static_cast<int>(std::lround(10.0 * refreshHz));
    int frames = 0;
    for (int refresh = 0; refresh < refreshes; ++refresh) {
        const double now = 5.0 + refresh / refreshHz + (jitterMs > 0.0 ? jitter(random) : 0.0);
        frames += pacer.Due(now) ? 1 : 0;
    }
    return frames;
}

}  // namespace

TEST(FramePacer, FastDisplaysGetTheGamesSixtyOneFramesASecond) {
    for (const double hz : {75.0, 120.0, 144.0, 165.0, 240.0}) {
        for (const double jitterMs : {0.0, 1.0}) {
            const int frames = FramesInTenSeconds(hz, jitterMs);
            EXPECT_GE(frames, 609) << hz << " Hz, jitter " << jitterMs << " ms";
            EXPECT_LE(frames, 611) << hz << " Hz, jitter " << jitterMs << " ms";
        }
    }
}

TEST(FramePacer, SixtyAndSixtyOneHertzDisplaysRunAFrameAtEveryRefresh) {
    EXPECT_EQ(FramesInTenSeconds(60.0, 0.0), 600);
    EXPECT_EQ(FramesInTenSeconds(60.0, 1.0), 600);
    EXPECT_EQ(FramesInTenSeconds(61.0, 0.5), 610);
}

TEST(FramePacer, AHeldUpLoopStartsAfreshInsteadOfRunningFramesBackToBack) {
    FramePacer pacer(kGameInterval);
    EXPECT_TRUE(pacer.Due(1.0));
    // A hidden tab: no refresh for two seconds. The next refresh runs one frame, and the one after a
    // 120 Hz refresh later does not catch up on the two seconds missed.
    EXPECT_TRUE(pacer.Due(3.0));
    EXPECT_FALSE(pacer.Due(3.0 + 1.0 / 120.0));
    EXPECT_TRUE(pacer.Due(3.0 + 2.0 / 120.0));
}
