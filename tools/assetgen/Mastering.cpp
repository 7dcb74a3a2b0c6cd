#include "Mastering.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>

namespace assetgen {

namespace {

struct MeterDeleter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using Meter = std::unique_ptr<ebur128_state, MeterDeleter>;

Meter MakeMeter(int rate, int mode) {
    Meter meter(ebur128_init(1, static_cast<unsigned long>(rate), mode));
    // One channel heard from both speakers.
    ebur128_set_channel(meter.get(), 0, EBUR128_DUAL_MONO);
    return meter;
}

constexpr unsigned long kMomentaryMilliseconds = 400;
constexpr unsigned long kStepMilliseconds = 10;
// The limiter sees this far ahead, and lets go over this long.
constexpr double kLookAheadSeconds = 0.002;
constexpr double kReleaseSeconds = 0.04;

}  // namespace

double LoudestMoment(const std::vector<float>& samples, int rate) {
    const auto length = static_cast<unsigned long>(samples.size() * 1000 / static_cast<std::size_t>(rate));
    const unsigned long window = std::clamp(length, kStepMilliseconds, kMomentaryMilliseconds);
    Meter meter = MakeMeter(rate, EBUR128_MODE_M);
    const std::size_t step = static_cast<std::size_t>(rate) * kStepMilliseconds / 1000;
    double loudest = -HUGE_VAL;
    for (std::size_t at = 0; at < samples.size(); at += step) {
        const std::size_t count = std::min(step, samples.size() - at);
        ebur128_add_frames_float(meter.get(), samples.data() + at, count);
        double loudness = -HUGE_VAL;
        if (at + count >= window * static_cast<std::size_t>(rate) / 1000 &&
            ebur128_loudness_window(meter.get(), window, &loudness) == EBUR128_SUCCESS) {
            loudest = std::max(loudest, loudness);
        }
    }
    return loudest;
}

double TruePeak(const std::vector<float>& samples, int rate) {
    Meter meter = MakeMeter(rate, EBUR128_MODE_TRUE_PEAK);
    ebur128_add_frames_float(meter.get(), samples.data(), samples.size());
    double peak = 0.0;
    ebur128_true_peak(meter.get(), 0, &peak);
    return peak > 0.0 ? 20.0 * std::log10(peak) : -HUGE_VAL;
}

void LimitTruePeak(std::vector<float>& samples, int rate, double ceiling) {
    const auto lookAhead = static_cast<std::size_t>(kLookAheadSeconds * rate);
    const double release = 1.0 - std::exp(-1.0 / (kReleaseSeconds * rate));
    // Each round aims a little lower, for the peaks that the last one left between the samples.
    for (int round = 0; round < 8 && TruePeak(samples, rate) > ceiling; ++round) {
        const double limit = std::pow(10.0, (ceiling - 0.25 * (round + 1)) / 20.0);
        // The gain each sample needs, then the least of it over the look-ahead, so the gain is already down
        // when a peak arrives.
        std::vector<double> needed(samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double level = std::abs(samples[i]);
            needed[i] = level > limit ? limit / level : 1.0;
        }
        std::vector<double> ahead(samples.size());
        std::deque<std::size_t> window;  // a sliding minimum: the front holds the least needed gain
        for (std::size_t back = samples.size(); back-- > 0;) {
            while (!window.empty() && needed[window.back()] >= needed[back]) {
                window.pop_back();
            }
            window.push_back(back);
            while (window.front() > back + lookAhead) {
                window.pop_front();
            }
            ahead[back] = needed[window.front()];
        }
        double gain = 1.0;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            // Down as fast as the look-ahead allows, up slowly; never above what this sample needs.
            gain = ahead[i] < gain ? gain + (ahead[i] - gain) / static_cast<double>(lookAhead + 1)
                                   : gain + (ahead[i] - gain) * release;
            gain = std::min(gain, needed[i]);
            samples[i] = static_cast<float>(samples[i] * gain);
        }
    }
}

}  // namespace assetgen
