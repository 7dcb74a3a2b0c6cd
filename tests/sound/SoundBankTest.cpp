#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "OggFiles.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "sound/SoundBank.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TemporaryDirectory.h"

namespace {

using Dix::SoundBank;
using Dix::StreamPlayer;
using sound_testing::EncodeTone;
using sound_testing::Tone;

constexpr int kRate = 44100;

int LastSoundOf(const std::vector<std::int16_t>& samples) {
    for (std::size_t index = samples.size(); index > 0; --index) {
        if (samples[index - 1] != 0) {
            return static_cast<int>(index);
        }
    }
    return 0;
}

class SoundBankTest : public ::testing::Test {
protected:
    SoundBankTest() : mixer(std::make_shared<platform::AudioMixer>(kRate)), pulled(mixer) {
        file = directory.Write("don11.ogg", EncodeTone(Tone{.seconds = 0.5}));
        reference = sound_testing::DecodeWhole(file);
    }

    std::vector<std::int16_t> Pull(int frames) {
        std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2);
        mixer->Mix(out.data(), frames);
        return out;
    }

    static std::string Message(const std::string& name) {
        return "【" + name +
               "】が読み込めませんでした。\nファイル名やディレクトリが間違っていないか確認してください。";
    }

    testing_support::TemporaryDirectory directory;
    std::shared_ptr<platform::AudioMixer> mixer;
    platform::PulledAudio pulled;
    std::string file;
    std::vector<std::int16_t> reference;
    testing_support::RecordingMessageBoxes boxes;
    SoundBank bank;
};

TEST_F(SoundBankTest, StartsWithEverySlotEmptyAtMinusFiveDecibels) {
    for (int slot = 0; slot < SoundBank::kSlotCount; ++slot) {
        EXPECT_EQ(bank.GetVolume(slot), -500);
        EXPECT_FALSE(bank.IsLoaded(slot));
        EXPECT_EQ(bank.GetState(slot), StreamPlayer::STATE_CLOSED);
        EXPECT_FALSE(bank.Play(false, slot));
    }
    EXPECT_EQ(LastSoundOf(Pull(1000)), 0);
}

TEST_F(SoundBankTest, MissingFileIsReportedAndTheSlotStaysSilent) {
    const std::string missing = directory.File("nothere.ogg");

    bank.Load(missing.c_str(), 4);

    ASSERT_EQ(boxes.Texts(), std::vector<std::string>{Message(missing)});
    EXPECT_FALSE(bank.IsLoaded(4));
    EXPECT_EQ(bank.GetState(4), StreamPlayer::STATE_CLOSED);
    EXPECT_FALSE(bank.Play(false, 4));
}

TEST_F(SoundBankTest, FileThatIsNotOggVorbisIsReported) {
    const std::string text = directory.Write("text.ogg", {'h', 'e', 'l', 'l', 'o'});

    bank.Load(text.c_str(), 0);

    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{Message(text)});
    EXPECT_EQ(bank.GetState(0), StreamPlayer::STATE_CLOSED);
}

// Where the first page of sound starts: the pages before it, the headers, have a granule position of 0.
std::size_t FirstSoundPage(const std::vector<unsigned char>& ogg) {
    for (std::size_t at = 0; at + 14 <= ogg.size(); ++at) {
        if (ogg[at] == 'O' && ogg[at + 1] == 'g' && ogg[at + 2] == 'g' && ogg[at + 3] == 'S') {
            std::uint64_t granule = 0;
            for (int byte = 7; byte >= 0; --byte) {
                granule = granule << 8 | ogg[at + 6 + static_cast<std::size_t>(byte)];
            }
            if (granule != 0) {
                return at;
            }
        }
    }
    return ogg.size();
}

TEST_F(SoundBankTest, EmptyCutAndUnreadableFilesAreReportedAndStaySilent) {
    const std::vector<unsigned char> whole = EncodeTone(Tone{.seconds = 0.5});
    const std::string empty = directory.Write("empty.ogg", {});
    // Cut inside the headers: nothing can be decoded.
    const std::string cut =
        directory.Write("cut.ogg", std::vector<unsigned char>(whole.begin(), whole.begin() + 200));
    // The headers whole, the sound cut off inside its first page: it opens, and then nothing decodes.
    const std::size_t sound = FirstSoundPage(whole);
    ASSERT_LT(sound + 100, whole.size());
    const std::string noSound = directory.Write(
        "no-sound.ogg",
        std::vector<unsigned char>(whole.begin(), whole.begin() + static_cast<long>(sound) + 100));
    // A directory where the file should be.
    const std::string folder = directory.File("folder.ogg");
    std::filesystem::create_directory(folder);

    bank.Load(empty.c_str(), 0);
    bank.Load(cut.c_str(), 1);
    bank.Load(folder.c_str(), 2);
    bank.Load(noSound.c_str(), 3);

    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{Message(empty), Message(cut), Message(folder), Message(noSound)}));
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_FALSE(bank.IsLoaded(slot)) << slot;
        EXPECT_FALSE(bank.Play(false, slot)) << slot;
    }
    EXPECT_EQ(LastSoundOf(Pull(1000)), 0);
}

TEST_F(SoundBankTest, LongFileNamesLoadAndTheirMessageIsCutToTheBoxesSize) {
    // A path longer than the memory object keeps for its name, through directories of the longest names
    // the file system allows.
    std::filesystem::path deep(directory.File(""));
    for (int level = 0; level < 2; ++level) {
        deep /= std::string(255, static_cast<char>('a' + level));
    }
    std::filesystem::create_directories(deep);
    const std::string longPath = (deep / "don11.ogg").string();
    std::filesystem::copy_file(file, longPath);
    const std::string missing = (deep / "nothere.ogg").string();
    ASSERT_GT(longPath.size(), 512u);

    bank.Load(longPath.c_str(), 3);
    bank.Load(missing.c_str(), 4);

    EXPECT_TRUE(bank.IsLoaded(3));
    EXPECT_FALSE(bank.IsLoaded(4));
    // The message boxes hold 511 bytes: the message is the start of the whole one.
    ASSERT_EQ(boxes.Texts().size(), 1u);
    const std::string shown = boxes.Texts()[0];
    EXPECT_LE(shown.size(), 511u);
    EXPECT_GT(shown.size(), 500u);
    EXPECT_EQ(Message(missing).compare(0, shown.size(), shown), 0);
    ASSERT_TRUE(bank.Play(false, 3));
    EXPECT_GT(LastSoundOf(Pull(1000)), 0);
}

TEST_F(SoundBankTest, VolumeSetBeforeLoadingAppliesWhenPlayed) {
    bank.SetVolume(2, -2000);
    bank.Load(file.c_str(), 2);

    ASSERT_TRUE(bank.Play(false, 2));
    const std::vector<std::int16_t> out = Pull(kRate / 4);

    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(bank.GetState(2), StreamPlayer::STATE_PLAYING);
    for (std::size_t index = 0; index < out.size(); ++index) {
        ASSERT_NEAR(out[index], reference[index] * 0.1, 0.51) << index;
    }
}

TEST_F(SoundBankTest, PlayRestartsASoundFromItsBeginning) {
    bank.Load(file.c_str(), 3);
    bank.SetVolume(3, 0);
    bank.Play(false, 3);
    Pull(kRate / 5);

    ASSERT_TRUE(bank.Play(false, 3));
    const std::vector<std::int16_t> out = Pull(kRate / 5);

    EXPECT_EQ(out, std::vector<std::int16_t>(reference.begin(), reference.begin() + out.size()));
}

TEST_F(SoundBankTest, StopAllSilencesEverySlot) {
    bank.Load(file.c_str(), 0);
    bank.Load(file.c_str(), 19);
    bank.Play(true, 0);
    bank.Play(true, 19);

    bank.StopAll();

    EXPECT_EQ(bank.GetState(0), StreamPlayer::STATE_STOPPED);
    EXPECT_EQ(bank.GetState(19), StreamPlayer::STATE_STOPPED);
    EXPECT_EQ(LastSoundOf(Pull(1000)), 0);
}

TEST_F(SoundBankTest, ReleaseAllClosesEverySlotAndResetsVolumes) {
    bank.Load(file.c_str(), 1);
    bank.SetVolume(1, -2000);
    bank.Play(true, 1);

    bank.ReleaseAll();

    EXPECT_EQ(bank.GetState(1), StreamPlayer::STATE_CLOSED);
    EXPECT_EQ(bank.GetVolume(1), -500);
    EXPECT_FALSE(bank.Play(true, 1));
    // Loading the slot again closes the closed player once more, which does no harm.
    bank.Load(file.c_str(), 1);
    EXPECT_TRUE(bank.Play(true, 1));
}

TEST(SoundBankWithoutSound, LoadsSilentlyWhenNoAudioDeviceCanBeOpened) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing_support::TemporaryDirectory directory;
    const std::string file = directory.Write("beep15.ogg", EncodeTone(Tone{.seconds = 0.2}));
    testing_support::RecordingMessageBoxes boxes;
    SoundBank bank;

    bank.Load(file.c_str(), 1);

    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(bank.GetState(1), StreamPlayer::STATE_CLOSED);
    EXPECT_FALSE(bank.Play(false, 1));
    if (previous != nullptr) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}

}  // namespace
