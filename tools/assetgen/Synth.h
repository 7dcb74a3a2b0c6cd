#pragma once

#include <vector>

#include "Random.h"

namespace assetgen {

// A mono sound being built at 44.1 kHz from tones and filtered noise, each shaped by an envelope.
class Synth {
public:
    static constexpr int kRate = 44100;

    enum class Wave { Sine, Triangle, Saw };

    // A quick linear rise over `attack` seconds, then an exponential fall with time constant `decay`.
    // `hold` keeps full level for that long between the two.
    struct Envelope {
        float attack = 0.002F;
        float decay = 0.1F;
        float hold = 0.0F;

        float At(float t) const;
    };

    explicit Synth(float seconds);

    const std::vector<float>& Samples() const { return m_samples; }

    // A tone gliding exponentially from `from` to `to` Hz over its duration.
    void Tone(float start, float duration, float from, float to, float gain, Envelope envelope,
              Wave wave = Wave::Sine);
    // White noise through a resonant band-pass whose centre glides from `from` to `to` Hz; `q` sets its
    // width (small q: broad).
    void Noise(float start, float duration, float from, float to, float q, float gain, Envelope envelope,
               Random& random);
    // Takes out any offset, shapes the first and last milliseconds so the cue starts and ends without a
    // click, and masters it: scaled so that its loudest moment measures `loudness` LUFS, then limited so
    // that its true peak stays at or under `peak` dBFS.
    void Finish(double loudness, double peak);

private:
    std::vector<float> m_samples;
};

}  // namespace assetgen
