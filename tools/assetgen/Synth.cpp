#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Mastering.h"

namespace assetgen {

namespace {

constexpr float kTwoPi = 2.0F * std::numbers::pi_v<float>;

float WaveAt(Synth::Wave wave, float phase) {
    switch (wave) {
        case Synth::Wave::Sine:
            return std::sin(kTwoPi * phase);
        case Synth::Wave::Triangle:
            return 4.0F * std::abs(phase - 0.5F) - 1.0F;
        case Synth::Wave::Saw:
            break;
    }
    return 2.0F * phase - 1.0F;
}

}  // namespace

float Synth::Envelope::At(float t) const {
    if (t < attack) {
        return t / attack;
    }
    if (t < attack + hold) {
        return 1.0F;
    }
    return std::exp(-(t - attack - hold) / decay);
}

Synth::Synth(float seconds) : m_samples(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0F) {}

void Synth::Tone(float start, float duration, float from, float to, float gain, Envelope envelope,
                 Wave wave) {
    const int first = static_cast<int>(start * kRate);
    const int count = static_cast<int>(duration * kRate);
    double phase = 0.0;
    for (int i = 0; i < count && first + i < static_cast<int>(m_samples.size()); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float frequency = from * std::pow(to / from, t / duration);
        m_samples[first + i] += gain * envelope.At(t) * WaveAt(wave, static_cast<float>(phase));
        phase += frequency / kRate;
        phase -= std::floor(phase);
    }
}

void Synth::Noise(float start, float duration, float from, float to, float q, float gain, Envelope envelope,
                  Random& random) {
    const int first = static_cast<int>(start * kRate);
    const int count = static_cast<int>(duration * kRate);
    // A state-variable filter: cheap, stable while its centre moves, and gives the band-pass directly.
    float low = 0.0F;
    float band = 0.0F;
    const float damping = 1.0F / q;
    for (int i = 0; i < count && first + i < static_cast<int>(m_samples.size()); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float centre = from * std::pow(to / from, t / duration);
        const float f = 2.0F * std::sin(std::numbers::pi_v<float> * std::min(centre, 16000.0F) / kRate);
        const float input = random.Range(-1.0F, 1.0F);
        low += f * band;
        const float high = input - low - damping * band;
        band += f * high;
        m_samples[first + i] += gain * envelope.At(t) * band;
    }
}

void Synth::Finish(double loudness, double peak) {
    // A gentle high-pass at about 20 Hz removes any offset the glides and filters left.
    const float pole = std::exp(-kTwoPi * 20.0F / kRate);
    float previousIn = 0.0F;
    float previousOut = 0.0F;
    for (float& s : m_samples) {
        const float out = s - previousIn + pole * previousOut;
        previousIn = s;
        previousOut = out;
        s = out;
    }
    const std::size_t n = m_samples.size();
    const std::size_t fadeIn = std::min<std::size_t>(n / 4, kRate / 1000);
    const std::size_t fadeOut = std::min<std::size_t>(n / 3, kRate / 50);
    for (std::size_t i = 0; i < fadeIn; ++i) {
        m_samples[i] *= static_cast<float>(i) / fadeIn;
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        const float t = static_cast<float>(i) / fadeOut;
        m_samples[n - 1 - i] *= 0.5F - 0.5F * std::cos(std::numbers::pi_v<float> * t);
    }
    const double loudest = LoudestMoment(m_samples, kRate);
    if (!std::isfinite(loudest)) {
        return;
    }
    const auto gain = static_cast<float>(std::pow(10.0, (loudness - loudest) / 20.0));
    for (float& s : m_samples) {
        s *= gain;
    }
    LimitTruePeak(m_samples, kRate, peak);
}

}  // namespace assetgen
