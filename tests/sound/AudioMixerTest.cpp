// Streaming underruns as the mixer counts them: a streamed ring is refilled half by half behind its play
// position, and the mixer counts each time it comes into a half that has not been written since it last
// played out of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "PulledOutput.h"
#include "platform/AudioBuffer.h"
#include "platform/AudioMixer.h"

namespace {

using namespace platform;

using sound_testing::kOutputRate;
using sound_testing::PulledOutput;

std::int16_t Steady(std::uint32_t, int) {
    return 1000;
}

// A streamed stereo ring of 1200 frames at the rate under test, filled whole and playing round.
class StreamedRing : public PulledOutput, public ::testing::WithParamInterface<int> {
protected:
    static constexpr std::uint32_t kFrames = 1200;
    static constexpr std::uint32_t kHalf = kFrames / 2;
    static constexpr std::uint32_t kBlock = 4;

    void SetUp() override {
        ring = MakeBuffer(GetParam(), 2, kFrames, DSBCAPS_CTRLPOSITIONNOTIFY);
        Fill(ring, 2, Steady);
        ring->Play(0, 0, DSBPLAY_LOOPING);
    }

    // Plays on by that many frames of the ring, pulling what they take at the output rate.
    void PlayOn(std::uint32_t frames) {
        Pull(static_cast<int>(std::uint64_t{frames} * kOutputRate / GetParam()));
    }

    // Writes frames [from, from + count) of the ring, on from its start past the end, as a player would.
    void Refill(std::uint32_t from, std::uint32_t count) {
        void* first = nullptr;
        void* second = nullptr;
        std::uint32_t firstBytes = 0;
        std::uint32_t secondBytes = 0;
        ASSERT_EQ(ring->Lock(from * kBlock, count * kBlock, &first, &firstBytes, &second, &secondBytes, 0),
                  DS_OK);
        std::memset(first, 0, firstBytes);
        if (second != nullptr) {
            std::memset(second, 0, secondBytes);
        }
        ring->Unlock(first, firstBytes, second, secondBytes);
    }

    std::uint64_t Underruns() const { return mixer->GetUnderruns(); }

    AudioBuffer* ring = nullptr;
};

TEST_P(StreamedRing, WholeFillLastsUntilTheRingComesRound) {
    PlayOn(900);
    EXPECT_EQ(Underruns(), 0u);

    PlayOn(600);
    EXPECT_EQ(Underruns(), 1u);

    // On into the second half, played out of at the end of the ring: one more for the whole half.
    PlayOn(600);
    EXPECT_EQ(Underruns(), 2u);
}

TEST_P(StreamedRing, RefillingEachHalfOnceItHasPlayedKeepsAhead) {
    PlayOn(900);
    Refill(0, kHalf);
    PlayOn(600);
    Refill(kHalf, kHalf);
    PlayOn(600);
    EXPECT_EQ(Underruns(), 0u);

    // The first half has played again since its refill.
    PlayOn(600);
    EXPECT_EQ(Underruns(), 1u);
}

TEST_P(StreamedRing, HalfWrittenOnlyInPartIsNotRefilled) {
    PlayOn(900);
    Refill(0, kHalf - 1);
    PlayOn(600);
    EXPECT_EQ(Underruns(), 1u);

    Refill(kHalf + 1, kHalf - 1);
    PlayOn(600);
    EXPECT_EQ(Underruns(), 2u);
}

TEST_P(StreamedRing, RefillLockedAcrossTheEndRefreshesTheHalvesItCoversWhole) {
    PlayOn(1500);
    ASSERT_EQ(Underruns(), 1u);

    // Frames 900 to 1199 and then 0 to 899: the second half lies partly in each region.
    Refill(900, kFrames);
    PlayOn(600);

    EXPECT_EQ(Underruns(), 1u);
}

TEST_P(StreamedRing, HalfReachedWhileItsRefillIsLockedUnderrunsOnce) {
    PlayOn(900);
    void* region = nullptr;
    std::uint32_t regionBytes = 0;
    ASSERT_EQ(ring->Lock(0, kHalf * kBlock, &region, &regionBytes, nullptr, nullptr, 0), DS_OK);

    PlayOn(200);
    EXPECT_EQ(Underruns(), 0u);
    // Into the first half while it is still being written: it plays as silence, frame by frame.
    PlayOn(400);
    EXPECT_EQ(Underruns(), 1u);
    PlayOn(200);
    EXPECT_EQ(Underruns(), 1u);

    ring->Unlock(region, regionBytes, nullptr, 0);
}

TEST_P(StreamedRing, MovingThePositionOrStoppingNeitherCountsNorRefreshes) {
    PlayOn(900);
    // Back into the first half, which has played and not been refilled.
    ring->SetCurrentPosition(100 * kBlock);
    ring->Stop();
    ring->Play(0, 0, DSBPLAY_LOOPING);
    EXPECT_EQ(Underruns(), 0u);

    // The second half was left by the jump, not played out of: it still holds the fill.
    PlayOn(600);
    EXPECT_EQ(Underruns(), 0u);

    PlayOn(600);
    EXPECT_EQ(Underruns(), 1u);
}

TEST_P(StreamedRing, OneShotRingThatStopsAtItsEndDoesNotComeRound) {
    ring->Play(0, 0, 0);

    PlayOn(1500);

    EXPECT_FALSE(ring->IsPlaying());
    EXPECT_EQ(Underruns(), 0u);
}

// The output rate itself is copied unchanged; half of it is stepped through half a frame at a time; one and
// a half times it moves the position by one frame or two. Each divides the output rate exactly, so that a
// pull plays the ring on by exactly the frames asked for.
INSTANTIATE_TEST_SUITE_P(Rates, StreamedRing, ::testing::Values(44100, 22050, 66150),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "At" + std::to_string(info.param) + "Hz";
                         });

TEST_F(PulledOutput, RingWithoutPositionNotificationIsNotStreamedAndNeverUnderruns) {
    AudioBuffer* loop = MakeBuffer(kOutputRate, 2, 1200);
    Fill(loop, 2, Steady);
    loop->Play(0, 0, DSBPLAY_LOOPING);

    Pull(1200 * 20 + 300);

    EXPECT_EQ(PlayCursor(loop), 300u * 4);
    EXPECT_EQ(mixer->GetUnderruns(), 0u);
}

TEST_F(PulledOutput, StepLongerThanAHalfCountsEveryHalfItPasses) {
    // Eight ring frames for every output frame through a ring of twelve: a step can cross two halves.
    AudioBuffer* ring = MakeBuffer(kOutputRate * 8, 1, 12, DSBCAPS_CTRLPOSITIONNOTIFY);
    Fill(ring, 1, Steady);
    ring->Play(0, 0, DSBPLAY_LOOPING);

    Pull(300);

    // 2400 frames are 400 halves entered; only the first of them was written by the fill.
    EXPECT_EQ(PlayCursor(ring), 0u);
    EXPECT_EQ(mixer->GetUnderruns(), 399u);
}

}  // namespace
