#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include "OggFiles.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "platform/system/Statistics.h"
#include "sound/OggDecoder.h"
#include "sound/OggVorbisMemory.h"
#include "sound/StreamPlayer.h"
#include "support/TemporaryDirectory.h"

namespace {

using Dix::StreamPlayer;
using sound_testing::EncodeTone;
using sound_testing::Tone;

constexpr int kRate = 44100;
// One streaming round per tenth of a second of output, as the thread polls.
constexpr int kRoundFrames = kRate / 10;
// The one-second ring of a 44.1 kHz sound is refilled half a second at a time.
constexpr int kHalfFrames = kRate / 2;

std::size_t LastSound(const std::vector<std::int16_t>& samples) {
    for (std::size_t index = samples.size(); index > 0; --index) {
        if (samples[index - 1] != 0) {
            return (index - 1) / 2;
        }
    }
    return 0;
}

class StreamPlayerTest : public ::testing::Test {
protected:
    StreamPlayerTest() : mixer(std::make_shared<platform::AudioMixer>(kRate)), pulled(mixer) {
        platform::AudioDevice* created = nullptr;
        EXPECT_EQ(platform::AudioDevice::Create(&created), platform::DS_OK);
        device = Dix::Com_ptr<platform::AudioDevice>(created);
    }

    Dix::sp<Dix::PCMDecoder> Decoder(const std::string& name, const Tone& tone) {
        const std::string file = directory.Write(name, EncodeTone(tone));
        reference = sound_testing::DecodeWhole(file);
        return std::make_shared<Dix::OggDecoder>(std::make_shared<Dix::OggVorbisMemory>(file.c_str()));
    }

    void OpenPlayer(const Tone& tone) {
        player.SetDevice(device);
        ASSERT_TRUE(player.Open(Decoder("sound.ogg", tone)));
    }

    // Pulls the mixer round by round, as the streaming thread would see it, and appends the output.
    // Returns the round after which the player was found stopped, or -1.
    int PullRounds(int rounds, std::vector<std::int16_t>& out) {
        int stoppedAfter = -1;
        for (int round = 0; round < rounds; ++round) {
            const std::size_t at = out.size();
            out.resize(at + kRoundFrames * 2);
            mixer->Mix(out.data() + at, kRoundFrames);
            player.StreamRound();
            if (stoppedAfter < 0 && player.GetState() == StreamPlayer::STATE_STOPPED) {
                stoppedAfter = round + 1;
            }
        }
        return stoppedAfter;
    }

    testing_support::TemporaryDirectory directory;
    std::shared_ptr<platform::AudioMixer> mixer;
    platform::PulledAudio pulled;
    Dix::Com_ptr<platform::AudioDevice> device;
    std::vector<std::int16_t> reference;
    StreamPlayer player;
};

TEST_F(StreamPlayerTest, OpenFillsTheRingAndWaitsStopped) {
    OpenPlayer(Tone{.seconds = 0.3});

    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_STOPPED);
    EXPECT_TRUE(player.IsReady());
    std::vector<std::int16_t> out;
    PullRounds(3, out);
    EXPECT_EQ(LastSound(out), 0u);
}

TEST_F(StreamPlayerTest, OpenFailsWithoutADeviceOrADecoder) {
    EXPECT_FALSE(player.Open(Decoder("sound.ogg", Tone{.seconds = 0.3})));
    player.SetDevice(device);
    EXPECT_FALSE(player.Open(nullptr));
    EXPECT_FALSE(player.Open(std::make_shared<Dix::OggDecoder>()));

    EXPECT_FALSE(player.Play(false));
    player.Stop();
    player.SetVolume(-100);
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_CLOSED);
}

TEST_F(StreamPlayerTest, OneShotSoundIsHeardOnceAndStopsAboutASecondAfterPlay) {
    OpenPlayer(Tone{.seconds = 0.3});
    ASSERT_TRUE(player.Play(false));
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_PLAYING);

    std::vector<std::int16_t> out;
    const int stoppedAfter = PullRounds(20, out);

    EXPECT_GE(stoppedAfter, 10);
    EXPECT_LE(stoppedAfter, 11);
    ASSERT_GE(out.size(), reference.size());
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.begin() + reference.size()), reference);
    EXPECT_EQ(LastSound(out), LastSound(reference));
}

TEST_F(StreamPlayerTest, LongOneShotSoundStopsWithinARoundOfItsLastSample) {
    OpenPlayer(Tone{.seconds = 3.0});
    player.Play(false);

    std::vector<std::int16_t> out;
    const int stoppedAfter = PullRounds(40, out);

    // Streamed through the one-second ring, the whole sound comes out unchanged.
    ASSERT_GE(out.size(), reference.size());
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.begin() + reference.size()), reference);
    const std::size_t endFrame = reference.size() / 2;
    ASSERT_GT(stoppedAfter, 0);
    EXPECT_GE(static_cast<std::size_t>(stoppedAfter) * kRoundFrames, endFrame);
    EXPECT_LE(static_cast<std::size_t>(stoppedAfter) * kRoundFrames, endFrame + kRoundFrames);
}

TEST_F(StreamPlayerTest, LoopingSoundJoinsItsEndToItsStartSampleForSample) {
    OpenPlayer(Tone{.seconds = 0.7, .frequency = 330.0});
    player.Play(true);

    std::vector<std::int16_t> out;
    const int stoppedAfter = PullRounds(35, out);

    EXPECT_EQ(stoppedAfter, -1);
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_PLAYING);
    for (std::size_t index = 0; index < out.size(); ++index) {
        ASSERT_EQ(out[index], reference[index % reference.size()]) << "frame " << index / 2;
    }
    player.Stop();
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_STOPPED);
}

TEST_F(StreamPlayerTest, SecondPlayOfAnEndedSoundBehavesLikeTheFirst) {
    OpenPlayer(Tone{.seconds = 0.3});
    player.Play(false);
    std::vector<std::int16_t> first;
    const int firstStop = PullRounds(15, first);

    player.Play(false);
    std::vector<std::int16_t> second;
    const int secondStop = PullRounds(15, second);

    EXPECT_GT(firstStop, 0);
    EXPECT_EQ(secondStop, firstStop);
    EXPECT_EQ(second, first);
}

TEST_F(StreamPlayerTest, StopAndPlayBetweenTwoRoundsStartsCleanly) {
    OpenPlayer(Tone{.seconds = 3.0});
    player.Play(false);
    std::vector<std::int16_t> interrupted;
    PullRounds(7, interrupted);

    // No round in between: the streaming thread never sees the stop.
    player.Stop();
    player.Play(false);
    std::vector<std::int16_t> out;
    const int stoppedAfter = PullRounds(40, out);

    ASSERT_GE(out.size(), reference.size());
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.begin() + reference.size()), reference);
    EXPECT_LE(static_cast<std::size_t>(stoppedAfter) * kRoundFrames, reference.size() / 2 + kRoundFrames);
}

TEST_F(StreamPlayerTest, RestartAfterTheEndWasNotedPlaysTheWholeSoundAgain) {
    OpenPlayer(Tone{.seconds = 0.3});
    player.Play(false);
    std::vector<std::int16_t> ignored;
    // Past the middle of the ring: the end of the sound has been noted, the player still plays.
    PullRounds(6, ignored);
    ASSERT_EQ(player.GetState(), StreamPlayer::STATE_PLAYING);

    player.Stop();
    player.Play(false);
    std::vector<std::int16_t> out;
    const int stoppedAfter = PullRounds(15, out);

    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.begin() + reference.size()), reference);
    EXPECT_GE(stoppedAfter, 10);
}

TEST_F(StreamPlayerTest, VolumeScalesTheSamples) {
    OpenPlayer(Tone{.seconds = 0.5});
    player.SetVolume(-600);
    player.Play(true);

    std::vector<std::int16_t> out;
    PullRounds(3, out);

    const double gain = std::pow(10.0, -600.0 / 2000.0);
    for (std::size_t index = 0; index < out.size(); ++index) {
        ASSERT_NEAR(out[index], reference[index] * gain, 0.51) << index;
    }
}

TEST_F(StreamPlayerTest, CloseWhilePlayingSilencesAndCloses) {
    OpenPlayer(Tone{.seconds = 3.0});
    player.Play(true);
    std::vector<std::int16_t> before;
    PullRounds(2, before);

    player.Close();
    std::vector<std::int16_t> after;
    PullRounds(3, after);

    EXPECT_GT(LastSound(before), 0u);
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_CLOSED);
    EXPECT_FALSE(player.IsReady());
    EXPECT_EQ(LastSound(after), 0u);
    EXPECT_FALSE(player.Play(true));
}

TEST_F(StreamPlayerTest, ReopenedPlayerPlaysTheNewSound) {
    OpenPlayer(Tone{.seconds = 3.0});
    player.Play(true);
    std::vector<std::int16_t> ignored;
    PullRounds(2, ignored);

    ASSERT_TRUE(player.Open(Decoder("other.ogg", Tone{.seconds = 0.4, .rate = 22050, .channels = 1})));
    EXPECT_EQ(player.GetBufferDesc().dwBufferBytes, 44100u);
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_STOPPED);
    player.Play(false);
    std::vector<std::int16_t> out;
    const int stoppedAfter = PullRounds(20, out);

    EXPECT_GE(stoppedAfter, 10);
    EXPECT_LE(stoppedAfter, 11);
    // Upsampled from 22050 Hz, every source frame lands on an even output frame.
    for (std::size_t frame = 0; frame < reference.size(); ++frame) {
        ASSERT_EQ(out[frame * 4], reference[frame]) << frame;
        ASSERT_EQ(out[frame * 4 + 1], reference[frame]) << frame;
    }
}

// The streaming thread itself, with the mixer pulled at about the pace a sound card would take it.
TEST_F(StreamPlayerTest, StreamingThreadStopsAOneShotSoundByItself) {
    OpenPlayer(Tone{.seconds = 0.3});
    player.Play(false);

    std::vector<std::int16_t> out(kRate / 100 * 2);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (player.GetState() == StreamPlayer::STATE_PLAYING && std::chrono::steady_clock::now() < deadline) {
        mixer->Mix(out.data(), kRate / 100);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_STOPPED);
    player.Close();
    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_CLOSED);
}

TEST_F(StreamPlayerTest, RoundEveryTenthOfASecondKeepsTheRingAheadOfTheMixer) {
    OpenPlayer(Tone{.seconds = 2.5});
    player.Play(true);
    const std::uint64_t before = platform::GetStatistics().underruns;

    std::vector<std::int16_t> out;
    PullRounds(60, out);

    EXPECT_EQ(player.GetState(), StreamPlayer::STATE_PLAYING);
    EXPECT_EQ(platform::GetStatistics().underruns - before, 0u);
}

constexpr int kSilent = -1;
constexpr int kUnknown = -2;
constexpr int kWindowFrames = 16;

// Which half-second piece of the sound the output holds in the window of frames from `frame`, heard at
// the same place in the ring: the ring plays from its start at the output rate, its first half holding
// the even pieces and its second half the odd ones. kSilent while the half was locked for its refill.
int PieceHeard(const std::vector<std::int16_t>& out, const std::vector<std::int16_t>& sound, int frame) {
    const auto window = out.begin() + frame * 2;
    if (std::all_of(window, window + kWindowFrames * 2, [](std::int16_t sample) { return sample == 0; })) {
        return kSilent;
    }
    const int inHalf = frame % kHalfFrames;
    for (int piece = frame / kHalfFrames % 2;
         (piece * kHalfFrames + inHalf + kWindowFrames) * 2 <= static_cast<int>(sound.size()); piece += 2) {
        if (std::equal(window, window + kWindowFrames * 2,
                       sound.begin() + (piece * kHalfFrames + inHalf) * 2)) {
            return piece;
        }
    }
    return kUnknown;
}

// Without rounds from the test only the player's own thread refills the ring, every 100 ms of real time,
// while the test pulls far faster: how many halves come round before their refill depends on the timing.
// What does not is that the count agrees with what came out. The fill puts the first two pieces of the
// sound in the ring and every refill the next piece into the half the mixer has left, so entering a half is
// an underrun exactly when it is silent, or still holds the piece it held when the mixer last left it.
TEST_F(StreamPlayerTest, UnderrunsCountedAreTheHalvesThatCameRoundBeforeTheirRefill) {
    // 441.5 Hz: no half second of it repeats another.
    OpenPlayer(Tone{.seconds = 4.0, .frequency = 441.5});
    player.Play(false);

    // Device periods from the start of the ring. None ends within a window of the start of a half, so each
    // window is mixed in the same turn of the mixer's lock as the step into or out of its half.
    constexpr int kPeriod = platform::AudioOutput::kPeriodFrames;
    constexpr int kPeriods = 173;  // a little over two seconds
    constexpr int kEntries = 4;
    static_assert(kEntries * kHalfFrames + kWindowFrames <= kPeriods * kPeriod);
    std::vector<std::int16_t> out(kPeriods * kPeriod * 2);
    const std::uint64_t before = platform::GetStatistics().underruns;
    for (int period = 0; period < kPeriods; ++period) {
        mixer->Mix(out.data() + period * kPeriod * 2, kPeriod);
    }

    std::uint64_t heardUnderruns = 0;
    for (int entry = 1; entry <= kEntries; ++entry) {
        const int entered = PieceHeard(out, reference, entry * kHalfFrames);
        // The first entry is into the second half, which has not played since the fill.
        const int left =
            entry == 1 ? kUnknown : PieceHeard(out, reference, (entry - 1) * kHalfFrames - kWindowFrames);
        ASSERT_NE(entered, kUnknown) << "entry " << entry;
        ASSERT_TRUE(entry == 1 || left != kUnknown) << "entry " << entry;
        heardUnderruns += entered == kSilent || entered == left ? 1 : 0;
    }

    EXPECT_EQ(platform::GetStatistics().underruns - before, heardUnderruns);
}

}  // namespace
