#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "PulledOutput.h"
#include "platform/audio/AudioBuffer.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "platform/system/Statistics.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

using namespace platform;

using audio_testing::Pcm16;
using audio_testing::PulledOutput;

constexpr int kRate = audio_testing::kOutputRate;

std::int16_t Ramp(std::uint32_t frame, int channel) {
    return static_cast<std::int16_t>((channel == 0 ? 1 : -1) * static_cast<int>(frame % 20000));
}

TEST_F(PulledOutput, PlaysTheRingUnchangedAndAdvancesByWhatItConsumed) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 1000);
    Fill(buffer, 2, Ramp);
    buffer->Play(0, 0, DSBPLAY_LOOPING);

    const std::vector<std::int16_t> out = Pull(1300);

    for (std::uint32_t frame = 0; frame < 1300; ++frame) {
        ASSERT_EQ(out[frame * 2], Ramp(frame % 1000, 0)) << frame;
        ASSERT_EQ(out[frame * 2 + 1], Ramp(frame % 1000, 1)) << frame;
    }
    EXPECT_EQ(PlayCursor(buffer), 300u * 4);
}

TEST_F(PulledOutput, StoppedBufferIsSilentAndKeepsItsPlace) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 1000);
    Fill(buffer, 2, Ramp);
    buffer->SetCurrentPosition(40);
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    Pull(100);
    buffer->Stop();

    const std::vector<std::int16_t> out = Pull(100);

    EXPECT_EQ(out, std::vector<std::int16_t>(200, 0));
    EXPECT_EQ(PlayCursor(buffer), 40u + 100 * 4);
    EXPECT_FALSE(buffer->IsPlaying());
}

TEST_F(PulledOutput, BufferWithoutLoopingStopsAtItsEnd) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 100);
    Fill(buffer, 2, [](std::uint32_t, int) { return std::int16_t{1000}; });
    buffer->Play(0, 0, 0);

    const std::vector<std::int16_t> out = Pull(150);

    EXPECT_EQ(out[199], 1000);
    EXPECT_EQ(out[200], 0);
    EXPECT_FALSE(buffer->IsPlaying());
}

TEST_F(PulledOutput, MonoSoundGoesToBothChannels) {
    AudioBuffer* buffer = MakeBuffer(kRate, 1, 100);
    Fill(buffer, 1, [](std::uint32_t frame, int) { return static_cast<std::int16_t>(frame * 3); });
    buffer->Play(0, 0, DSBPLAY_LOOPING);

    const std::vector<std::int16_t> out = Pull(50);

    for (int frame = 0; frame < 50; ++frame) {
        ASSERT_EQ(out[frame * 2], frame * 3);
        ASSERT_EQ(out[frame * 2 + 1], frame * 3);
    }
    EXPECT_EQ(PlayCursor(buffer), 100u);
}

TEST_F(PulledOutput, VolumeIsHundredthsOfADecibel) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 100);
    Fill(buffer, 2, [](std::uint32_t, int channel) { return std::int16_t(channel == 0 ? 20000 : -20000); });
    buffer->Play(0, 0, DSBPLAY_LOOPING);

    buffer->SetVolume(-600);
    const std::vector<std::int16_t> sixDecibelsDown = Pull(10);
    buffer->SetVolume(-2000);
    const std::vector<std::int16_t> twentyDecibelsDown = Pull(10);
    buffer->SetVolume(DSBVOLUME_MIN);
    const std::vector<std::int16_t> silent = Pull(10);

    EXPECT_NEAR(sixDecibelsDown[0], 20000 * std::pow(10.0, -0.3), 1.0);
    EXPECT_NEAR(sixDecibelsDown[1], -20000 * std::pow(10.0, -0.3), 1.0);
    EXPECT_NEAR(twentyDecibelsDown[0], 2000, 1.0);
    EXPECT_EQ(silent, std::vector<std::int16_t>(20, 0));
    EXPECT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
}

TEST_F(PulledOutput, LoudSumsAreHeldUnderTheCeilingAndTheLevelComesBackAfterThem) {
    std::vector<AudioBuffer*> loud;
    for (int copy = 0; copy < 2; ++copy) {
        loud.push_back(MakeBuffer(kRate, 2, 100));
        Fill(loud.back(), 2,
             [](std::uint32_t, int channel) { return std::int16_t(channel == 0 ? 30000 : -30000); });
        loud.back()->Play(0, 0, DSBPLAY_LOOPING);
    }

    const std::vector<std::int16_t> limited = Pull(2000);
    for (AudioBuffer* buffer : loud) {
        buffer->Stop();
    }
    AudioBuffer* quiet = MakeBuffer(kRate, 2, 100);
    Fill(quiet, 2, [](std::uint32_t, int channel) { return std::int16_t(channel == 0 ? 10000 : -10000); });
    quiet->Play(0, 0, DSBPLAY_LOOPING);
    const std::vector<std::int16_t> recovering = Pull(kRate);

    // Held at the ceiling, each channel on its own side: no clipping at full scale, no wrapping round.
    for (std::size_t index = 0; index < limited.size(); index += 2) {
        ASSERT_NEAR(limited[index], MasterStage::kCeiling, 1.0) << index;
        ASSERT_NEAR(limited[index + 1], -MasterStage::kCeiling, 1.0) << index;
    }
    // Turned down at first, all but back half a second later, and exactly the sound as mixed after a second.
    EXPECT_LT(recovering[0], 10000 * 0.95);
    EXPECT_NEAR(recovering[kRate], 10000, 20);
    EXPECT_EQ(recovering[2 * kRate - 2], 10000);
    EXPECT_EQ(recovering[2 * kRate - 1], -10000);
}

TEST_F(PulledOutput, TheMasterVolumeScalesTheWholeMix) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 100);
    Fill(buffer, 2, [](std::uint32_t, int channel) { return std::int16_t(channel == 0 ? 4000 : -4000); });
    buffer->Play(0, 0, DSBPLAY_LOOPING);

    pulled.SetMasterVolume(600);
    const std::vector<std::int16_t> louder = Pull(10);
    pulled.SetMasterVolume(DSBVOLUME_MIN);
    const std::vector<std::int16_t> silent = Pull(10);

    EXPECT_NEAR(louder[0], 4000 * std::pow(10.0, 0.3), 1.0);
    EXPECT_NEAR(louder[1], -4000 * std::pow(10.0, 0.3), 1.0);
    EXPECT_EQ(silent, std::vector<std::int16_t>(20, 0));
}

TEST_F(PulledOutput, LockAcrossTheEndGivesTwoRegionsAndPlaysSilenceUntilUnlocked) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 100);
    Fill(buffer, 2, [](std::uint32_t, int) { return std::int16_t{500}; });

    void* first = nullptr;
    void* second = nullptr;
    std::uint32_t firstBytes = 0;
    std::uint32_t secondBytes = 0;
    ASSERT_EQ(buffer->Lock(360, 80, &first, &firstBytes, &second, &secondBytes, 0), DS_OK);
    EXPECT_EQ(firstBytes, 40u);
    EXPECT_EQ(secondBytes, 40u);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(buffer->Lock(0, 4, &first, &firstBytes, nullptr, nullptr, 0), DSERR_INVALIDCALL);

    buffer->SetCurrentPosition(80 * 4);
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    const std::vector<std::int16_t> whileLocked = Pull(40);
    buffer->Unlock(first, firstBytes, second, secondBytes);
    const std::vector<std::int16_t> afterwards = Pull(100);

    EXPECT_EQ(whileLocked[2 * 9], 500);   // frame 89
    EXPECT_EQ(whileLocked[2 * 10], 0);    // frame 90, locked
    EXPECT_EQ(whileLocked[2 * 29], 0);    // frame 9, locked
    EXPECT_EQ(whileLocked[2 * 30], 500);  // frame 10
    EXPECT_EQ(afterwards, std::vector<std::int16_t>(200, 500));
}

TEST_F(PulledOutput, RangesOutsideTheRingAreRefused) {
    AudioBuffer* buffer = MakeBuffer(kRate, 2, 100);
    void* region = nullptr;
    std::uint32_t bytes = 0;
    EXPECT_EQ(buffer->Lock(400, 4, &region, &bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(0, 401, &region, &bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(396, 8, &region, &bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetCurrentPosition(400), DSERR_INVALIDPARAM);
}

TEST_F(PulledOutput, OtherRatesAreResampledToTheOutputRate) {
    AudioBuffer* slow = MakeBuffer(22050, 2, 22050);
    AudioBuffer* fast = MakeBuffer(48000, 2, 48000);
    Fill(slow, 2, [](std::uint32_t frame, int) { return static_cast<std::int16_t>(frame); });
    slow->Play(0, 0, DSBPLAY_LOOPING);
    fast->Play(0, 0, DSBPLAY_LOOPING);

    const std::vector<std::int16_t> out = Pull(kRate / 2);

    EXPECT_EQ(PlayCursor(slow), 11025u * 4);
    EXPECT_NEAR(PlayCursor(fast) / 4.0, 24000.0, 1.0);
    // Halfway between two source frames lies their mean.
    EXPECT_EQ(out[2 * 101], 50);
    EXPECT_EQ(out[2 * 102], 51);
}

TEST_F(PulledOutput, FormatsOtherThan16BitPcmAreRefused) {
    WAVEFORMATEX format = Pcm16(kRate, 2);
    format.wBitsPerSample = 8;
    DSBUFFERDESC description;
    description.dwBufferBytes = 400;
    description.lpwfxFormat = &format;
    AudioBuffer* buffer = nullptr;
    EXPECT_EQ(device->CreateSoundBuffer(&description, &buffer), DSERR_BADFORMAT);
    EXPECT_EQ(buffer, nullptr);
}

TEST(AudioDevice, CannotBeCreatedWithoutAnAudioDriver) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);

    AudioDevice* device = reinterpret_cast<AudioDevice*>(&device);
    const HRESULT result = AudioDevice::Create(&device);

    EXPECT_EQ(result, DSERR_NODRIVER);
    EXPECT_EQ(device, nullptr);
    if (previous != nullptr) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}

// The tests run with SDL's dummy audio driver, which consumes sound in real time like a sound card.
TEST(AudioDevice, SdlDevicePlaysAndItsHandlesOutliveSdl) {
    AudioDevice* device = nullptr;
    ASSERT_EQ(AudioDevice::Create(&device), DS_OK);
    AudioDevice* second = nullptr;
    ASSERT_EQ(AudioDevice::Create(&second), DS_OK);
    WAVEFORMATEX format = Pcm16(kRate, 2);
    DSBUFFERDESC description;
    description.dwBufferBytes = format.nAvgBytesPerSec;
    description.lpwfxFormat = &format;
    AudioBuffer* buffer = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(&description, &buffer), DS_OK);
    buffer->Play(0, 0, DSBPLAY_LOOPING);

    std::uint32_t cursor = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (cursor == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        buffer->GetCurrentPosition(&cursor, nullptr);
    }
    EXPECT_GT(cursor, 0u);

    // The end of the program: SDL goes first, the handles after it.
    platform::ShutdownVideo();
    buffer->Stop();
    buffer->Release();
    device->Release();
    second->Release();

    AudioDevice* again = nullptr;
    ASSERT_EQ(AudioDevice::Create(&again), DS_OK);
    again->Release();
}

// The benchmarks read the underruns of a game's sound, played by the SDL device, from the statistics.
TEST(AudioDevice, UnderrunsOfSoundPlayedByTheDeviceReachTheStatistics) {
    AudioDevice* device = nullptr;
    ASSERT_EQ(AudioDevice::Create(&device), DS_OK);
    WAVEFORMATEX format = Pcm16(kRate, 2);
    DSBUFFERDESC description;
    description.dwFlags = DSBCAPS_CTRLPOSITIONNOTIFY;
    description.dwBufferBytes = format.nAvgBytesPerSec / 20;
    description.lpwfxFormat = &format;
    AudioBuffer* ring = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(&description, &ring), DS_OK);
    void* region = nullptr;
    std::uint32_t bytes = 0;
    ASSERT_EQ(ring->Lock(0, 0, &region, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    ring->Unlock(region, bytes, nullptr, 0);
    // Filled once and never refilled: from its second lap on, the 50 ms ring underruns at every half.
    const std::uint64_t before = GetStatistics().underruns;
    ring->Play(0, 0, DSBPLAY_LOOPING);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (GetStatistics().underruns == before && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    EXPECT_GT(GetStatistics().underruns, before);
    ring->Stop();
    ring->Release();
    device->Release();
}

}  // namespace
