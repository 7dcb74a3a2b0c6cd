// The circling targets' sine and cosine are the correctly rounded floats, so that every system computes
// the same positions; the browser build's digest is compared with this build's by the browser tests.
#include "game/play/RoundedTrig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "support/TrigAngles.h"

using Yorun::RoundedCosine;
using Yorun::RoundedSine;

namespace {

// Mismatches against the long double functions rounded to float: the correctly rounded result but for a
// double rounding once in billions.
int Mismatches(const std::vector<float>& angles) {
    int mismatches = 0;
    for (const float angle : angles) {
        const auto sine = static_cast<float>(std::sin(static_cast<long double>(angle)));
        const auto cosine = static_cast<float>(std::cos(static_cast<long double>(angle)));
        if (RoundedSine(angle) != sine || RoundedCosine(angle) != cosine) {
            if (++mismatches <= 5) {
                ADD_FAILURE() << "angle " << angle << ": " << RoundedSine(angle) << " / " << sine << ", "
                              << RoundedCosine(angle) << " / " << cosine;
            }
        }
    }
    return mismatches;
}

}  // namespace

TEST(RoundedTrig, EveryAngleARoundReachesGivesTheCorrectlyRoundedFloat) {
    const std::vector<float> angles = trig_angles::ReachableAngles();
    EXPECT_GT(angles.size(), 12000u);
    EXPECT_EQ(Mismatches(angles), 0);
}

TEST(RoundedTrig, TenMillionAnglesUpToTwoToTheTwentyGiveTheCorrectlyRoundedFloat) {
    const std::vector<float> angles = trig_angles::SpreadAngles();
    EXPECT_EQ(Mismatches(angles), 0);
    // The figure the browser build's digest is compared with (tests/web).
    std::printf("rounded trig digest: %016llx\n",
                static_cast<unsigned long long>(trig_angles::Digest(angles, RoundedSine, RoundedCosine)));
}

TEST(RoundedTrig, QuadrantsSignsAndAnglesWithoutAValue) {
    EXPECT_EQ(RoundedSine(0.0f), 0.0f);
    EXPECT_EQ(RoundedCosine(0.0f), 1.0f);
    EXPECT_FALSE(std::signbit(RoundedSine(0.0f)));
    EXPECT_TRUE(std::signbit(RoundedSine(-0.0f)));
    EXPECT_EQ(RoundedSine(3.14159265f), std::sin(3.14159265f));
    EXPECT_TRUE(std::isnan(RoundedSine(INFINITY)));
    EXPECT_TRUE(std::isnan(RoundedCosine(NAN)));
    // Beyond the exact reduction it is still a sine: within a whisker of the true value.
    EXPECT_NEAR(RoundedSine(3.0e7f), static_cast<float>(std::sin(3.0e7L)), 1e-3f);
}
