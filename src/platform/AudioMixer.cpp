#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>

#include "platform/AudioBuffer.h"

namespace platform {

AudioMixer::AudioMixer(int rate) : rate(rate) {}

AudioMixer::~AudioMixer() = default;

void AudioMixer::Attach(AudioBuffer* buffer) {
    std::lock_guard<std::mutex> guard(mutex);
    buffer->previous = nullptr;
    buffer->next = voices;
    if (voices != nullptr) {
        voices->previous = buffer;
    }
    voices = buffer;
}

void AudioMixer::Detach(AudioBuffer* buffer) {
    std::lock_guard<std::mutex> guard(mutex);
    if (buffer->previous != nullptr) {
        buffer->previous->next = buffer->next;
    } else if (voices == buffer) {
        voices = buffer->next;
    }
    if (buffer->next != nullptr) {
        buffer->next->previous = buffer->previous;
    }
    buffer->previous = nullptr;
    buffer->next = nullptr;
}

void AudioMixer::Mix(std::int16_t* out, int frames) {
    while (frames > 0) {
        const int chunk = std::min(frames, kChunkFrames);
        MixChunk(out, chunk);
        out += chunk * kChannels;
        frames -= chunk;
    }
}

void AudioMixer::MixChunk(std::int16_t* out, int frames) {
    std::fill_n(accumulator.begin(), frames * kChannels, 0.0f);
    {
        std::lock_guard<std::mutex> guard(mutex);
        for (AudioBuffer* voice = voices; voice != nullptr; voice = voice->next) {
            if (!voice->playing || voice->frames == 0) {
                continue;
            }
            const float gain = voice->gain;
            for (int frame = 0; frame < frames && voice->playing; ++frame) {
                const std::uint32_t here = voice->position;
                const std::uint32_t after = here + 1 < voice->frames ? here + 1 : (voice->looping ? 0 : here);
                const float weight = static_cast<float>(voice->fraction) * (1.0f / 4294967296.0f);
                for (int channel = 0; channel < kChannels; ++channel) {
                    float sample = voice->SampleAt(here, channel);
                    if (weight != 0.0f) {
                        sample += (voice->SampleAt(after, channel) - sample) * weight;
                    }
                    accumulator[frame * kChannels + channel] += sample * gain;
                }
                const std::uint64_t moved = static_cast<std::uint64_t>(voice->fraction) + voice->step;
                voice->fraction = static_cast<std::uint32_t>(moved);
                std::uint64_t position = voice->position + (moved >> 32);
                if (position >= voice->frames) {
                    if (voice->looping) {
                        position %= voice->frames;
                    } else {
                        position = 0;
                        voice->fraction = 0;
                        voice->playing = false;
                    }
                }
                voice->position = static_cast<std::uint32_t>(position);
            }
        }
    }
    // Overload saturates at full scale instead of wrapping round to the other sign.
    for (int index = 0; index < frames * kChannels; ++index) {
        const float value = std::clamp(std::nearbyint(accumulator[index]), -32768.0f, 32767.0f);
        out[index] = static_cast<std::int16_t>(value);
    }
}

}  // namespace platform
