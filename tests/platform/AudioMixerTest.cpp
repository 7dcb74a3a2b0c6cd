// Streaming underruns as the mixer counts them: a streamed ring is refilled half by half behind its play
// position, and the mixer counts each time it comes into a half that has not been written since it last
// played out of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "PulledOutput.h"
#include "platform/audio/AudioBuffer.h"
#include "platform/audio/AudioMixer.h"
#include "platform/system/Statistics.h"

namespace {

using namespace platform;

using audio_testing::kOutputRate;
using audio_testing::PulledOutput;

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

    // Underruns counted since the ring started.
    std::uint64_t Underruns() const { return GetStatistics().underruns - before; }

    AudioBuffer* ring = nullptr;
    const std::uint64_t before = GetStatistics().underruns;
};

TEST_P(StreamedRing, CountsOnceForEachHalfEnteredThatWasNotRefilledWholeSinceItLastPlayed) {
    // The whole fill lasts until the ring comes round.
    PlayOn(900);
    EXPECT_EQ(Underruns(), 0u);

    // A half written only in part is not refilled: coming into it counts.
    Refill(0, kHalf - 1);
    PlayOn(600);  // at 300
    EXPECT_EQ(Underruns(), 1u);

    // A refill locked across the end refreshes the halves it covers whole: the second half here.
    Refill(900, kFrames);
    PlayOn(600);  // at 900
    EXPECT_EQ(Underruns(), 1u);

    // Reaching a half while its refill is still locked counts once, however long the lock is held.
    void* region = nullptr;
    std::uint32_t regionBytes = 0;
    ASSERT_EQ(ring->Lock(0, kHalf * kBlock, &region, &regionBytes, nullptr, nullptr, 0), DS_OK);
    PlayOn(400);  // at 100
    EXPECT_EQ(Underruns(), 2u);
    PlayOn(200);  // at 300
    EXPECT_EQ(Underruns(), 2u);
    ring->Unlock(region, regionBytes, nullptr, 0);

    // Moving the position and stopping are the owner's doing: they never count.
    ring->SetCurrentPosition(700 * kBlock);
    ring->Stop();
    EXPECT_EQ(Underruns(), 2u);

    // A one-shot ring stops at its end and never comes round.
    ring->Play(0, 0, 0);
    PlayOn(600);
    EXPECT_FALSE(ring->IsPlaying());
    EXPECT_EQ(Underruns(), 2u);
}

// The output rate itself is copied unchanged; half of it is stepped through half a frame at a time; one and
// a half times it moves the position by one frame or two. Each divides the output rate exactly, so that a
// pull plays the ring on by exactly the frames asked for.
INSTANTIATE_TEST_SUITE_P(Rates, StreamedRing, ::testing::Values(44100, 22050, 66150),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "At" + std::to_string(info.param) + "Hz";
                         });

TEST_F(PulledOutput, OnlyStreamedRingsCountAndAStepLongerThanAHalfCountsEveryHalfItPasses) {
    const std::uint64_t before = GetStatistics().underruns;
    AudioBuffer* loop = MakeBuffer(kOutputRate, 2, 1200);
    Fill(loop, 2, Steady);
    loop->Play(0, 0, DSBPLAY_LOOPING);
    Pull(1200 * 20 + 300);
    EXPECT_EQ(PlayCursor(loop), 300u * 4);
    EXPECT_EQ(GetStatistics().underruns - before, 0u);
    loop->Stop();

    // Eight ring frames for every output frame through a ring of twelve: a step can cross two halves.
    AudioBuffer* ring = MakeBuffer(kOutputRate * 8, 1, 12, DSBCAPS_CTRLPOSITIONNOTIFY);
    Fill(ring, 1, Steady);
    ring->Play(0, 0, DSBPLAY_LOOPING);
    Pull(300);
    // 2400 frames are 400 halves entered; only the first of them was written by the fill.
    EXPECT_EQ(PlayCursor(ring), 0u);
    EXPECT_EQ(GetStatistics().underruns - before, 399u);
}

}  // namespace
