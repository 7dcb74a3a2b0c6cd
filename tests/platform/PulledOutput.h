#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio/AudioBuffer.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"

namespace audio_testing {

constexpr int kOutputRate = 44100;

platform::WAVEFORMATEX Pcm16(int rate, int channels);

// A device on a mixer that the test pulls, and buffers made from it.
class PulledOutput : public ::testing::Test {
protected:
    PulledOutput();
    ~PulledOutput() override;

    platform::AudioBuffer* MakeBuffer(int rate, int channels, std::uint32_t frames, std::uint32_t flags = 0);

    // Fills the whole ring with the given sample function of frame and channel.
    template <class Function>
    void Fill(platform::AudioBuffer* buffer, int channels, Function sample) {
        void* region = nullptr;
        std::uint32_t bytes = 0;
        ASSERT_EQ(buffer->Lock(0, 0, &region, &bytes, nullptr, nullptr, platform::DSBLOCK_ENTIREBUFFER),
                  platform::DS_OK);
        auto* samples = static_cast<std::int16_t*>(region);
        for (std::uint32_t index = 0; index < bytes / 2; ++index) {
            samples[index] = sample(index / channels, static_cast<int>(index % channels));
        }
        buffer->Unlock(region, bytes, nullptr, 0);
    }

    std::vector<std::int16_t> Pull(int frames);
    std::uint32_t PlayCursor(platform::AudioBuffer* buffer);

    std::shared_ptr<platform::AudioMixer> mixer;
    platform::PulledAudio pulled;
    platform::AudioDevice* device = nullptr;
    std::vector<platform::AudioBuffer*> buffers;
};

}  // namespace audio_testing
