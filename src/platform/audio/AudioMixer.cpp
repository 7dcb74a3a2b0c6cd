#include "platform/audio/AudioMixer.h"

#include <algorithm>
#include <cmath>

#include "platform/audio/AudioVoice.h"
#include "platform/system/Statistics.h"

namespace platform {

AudioMixer::AudioMixer(int rate) : rate(rate), master(rate) {}

void AudioMixer::Attach(AudioVoice* voice) {
    const std::lock_guard<std::mutex> guard(mutex);
    voice->previous = nullptr;
    voice->next = voices;
    if (voices != nullptr) {
        voices->previous = voice;
    }
    voices = voice;
}

void AudioMixer::Detach(AudioVoice* voice) {
    const std::lock_guard<std::mutex> guard(mutex);
    if (voice->previous != nullptr) {
        voice->previous->next = voice->next;
    } else if (voices == voice) {
        voices = voice->next;
    }
    if (voice->next != nullptr) {
        voice->next->previous = voice->previous;
    }
    voice->previous = nullptr;
    voice->next = nullptr;
}

void AudioMixer::Mix(std::int16_t* out, int frames) {
    if (held.load()) {
        std::fill_n(out, static_cast<std::size_t>(frames) * kChannels, std::int16_t{0});
        return;
    }
    while (frames > 0) {
        const int chunk = std::min(frames, kChunkFrames);
        MixChunk(out, chunk);
        out += chunk * kChannels;
        frames -= chunk;
    }
}

namespace {

constexpr std::uint64_t kUnitStep = std::uint64_t{1} << 32;
constexpr float kFractionScale = 1.0f / 4294967296.0f;

}  // namespace

void AudioMixer::MixChunk(std::int16_t* out, int frames) {
    std::fill_n(accumulator.begin(), frames * kChannels, 0.0f);
    {
        std::lock_guard<std::mutex> guard(mutex);
        for (AudioVoice* voice = voices; voice != nullptr; voice = voice->next) {
            if (!voice->playing || voice->frames == 0) {
                continue;
            }
            if (voice->locked) {
                MixCarefully(*voice, frames);
            } else if (voice->step == kUnitStep && voice->fraction == 0) {
                MixUnchanged(*voice, frames);
            } else if (voice->channels == 1) {
                MixResampled<true>(*voice, frames);
            } else {
                MixResampled<false>(*voice, frames);
            }
        }
    }
    master.Process(accumulator.data(), frames);
    // The limiter keeps the sum under full scale; whatever rounding leaves over it still saturates rather
    // than wrapping round to the other sign.
    for (int index = 0; index < frames * kChannels; ++index) {
        const float value = std::clamp(std::nearbyint(accumulator[index]), -32768.0f, 32767.0f);
        out[index] = static_cast<std::int16_t>(value);
    }
}

}  // namespace platform

namespace platform {

// Moves the play position on by `count` source frames (whole), wrapping or stopping at the end of the ring.
// It goes from half to half of the ring: a run to the end of the ring, or one step of a sound much faster
// than the output, can pass more than one boundary, and a streamed ring notes every half it enters.
void AudioMixer::Advance(AudioVoice& voice, std::uint64_t count) {
    while (count > 0) {
        const std::uint32_t boundary = voice.position < voice.middle ? voice.middle : voice.frames;
        const std::uint32_t room = boundary - voice.position;
        if (count < room) {
            voice.position += static_cast<std::uint32_t>(count);
            return;
        }
        count -= room;
        // Played out of: what it holds has been heard, and the next lap needs it written again.
        voice.fresh[voice.HalfOf(voice.position)] = false;
        // A ring that stops at its end goes back to its start without playing any of it.
        if (boundary == voice.frames && !voice.looping) {
            voice.position = 0;
            voice.fraction = 0;
            voice.playing = false;
            return;
        }
        voice.position = boundary == voice.frames ? 0 : boundary;
        if (voice.streamed && !voice.fresh[voice.HalfOf(voice.position)]) {
            CountUnderrun();
        }
    }
}

// Same rate and nothing locked: the samples are copied in runs up to the end of the ring.
void AudioMixer::MixUnchanged(AudioVoice& voice, int frames) {
    const float gain = voice.gain;
    const int channels = voice.channels;
    float* target = accumulator.data();
    int done = 0;
    while (done < frames && voice.playing) {
        const int run =
            static_cast<int>(std::min<std::uint64_t>(frames - done, voice.frames - voice.position));
        const std::int16_t* source =
            voice.samples.get() + static_cast<std::size_t>(voice.position) * channels;
        if (channels == 1) {
            for (int frame = 0; frame < run; ++frame) {
                const float sample = static_cast<float>(source[frame]) * gain;
                target[(done + frame) * 2] += sample;
                target[(done + frame) * 2 + 1] += sample;
            }
        } else {
            for (int frame = 0; frame < run; ++frame) {
                target[(done + frame) * 2] += static_cast<float>(source[frame * channels]) * gain;
                target[(done + frame) * 2 + 1] += static_cast<float>(source[frame * channels + 1]) * gain;
            }
        }
        done += run;
        Advance(voice, static_cast<std::uint64_t>(run));
    }
}

// Another rate, nothing locked: linear interpolation between neighbouring source frames.
template <bool kMono>
void AudioMixer::MixResampled(AudioVoice& voice, int frames) {
    const float gain = voice.gain;
    const int channels = voice.channels;
    const std::int16_t* samples = voice.samples.get();
    float* target = accumulator.data();
    for (int frame = 0; frame < frames && voice.playing; ++frame) {
        const std::uint32_t here = voice.position;
        const std::uint32_t after = here + 1 < voice.frames ? here + 1 : (voice.looping ? 0 : here);
        const float weight = static_cast<float>(voice.fraction) * kFractionScale;
        const std::int16_t* first = samples + static_cast<std::size_t>(here) * channels;
        const std::int16_t* second = samples + static_cast<std::size_t>(after) * channels;
        const float left = static_cast<float>(first[0]) +
                           (static_cast<float>(second[0]) - static_cast<float>(first[0])) * weight;
        const float right = kMono
                                ? left
                                : static_cast<float>(first[1]) +
                                      (static_cast<float>(second[1]) - static_cast<float>(first[1])) * weight;
        target[frame * 2] += left * gain;
        target[frame * 2 + 1] += right * gain;
        const std::uint64_t moved = static_cast<std::uint64_t>(voice.fraction) + voice.step;
        voice.fraction = static_cast<std::uint32_t>(moved);
        Advance(voice, moved >> 32);
    }
}

// While a range is locked its frames are being written: they play as silence, frame by frame.
void AudioMixer::MixCarefully(AudioVoice& voice, int frames) {
    const float gain = voice.gain;
    float* target = accumulator.data();
    for (int frame = 0; frame < frames && voice.playing; ++frame) {
        const std::uint32_t here = voice.position;
        const std::uint32_t after = here + 1 < voice.frames ? here + 1 : (voice.looping ? 0 : here);
        const float weight = static_cast<float>(voice.fraction) * kFractionScale;
        for (int channel = 0; channel < kChannels; ++channel) {
            float sample = voice.SampleAt(here, channel);
            if (weight != 0.0f) {
                sample += (voice.SampleAt(after, channel) - sample) * weight;
            }
            target[frame * kChannels + channel] += sample * gain;
        }
        const std::uint64_t moved = static_cast<std::uint64_t>(voice.fraction) + voice.step;
        voice.fraction = static_cast<std::uint32_t>(moved);
        Advance(voice, moved >> 32);
    }
}

}  // namespace platform
