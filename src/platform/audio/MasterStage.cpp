#include "platform/audio/MasterStage.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double kRecoverySeconds = 0.08;
// Close enough to unity to be unity: the recovery only ever approaches it.
constexpr double kUnity = 0.999999;

}  // namespace

MasterStage::MasterStage(int rate)
    : recovery(1.0 - std::exp(-1.0 / (kRecoverySeconds * static_cast<double>(rate)))) {}

void MasterStage::Process(float* samples, int frames) {
    const float master = GetGain();
    for (int frame = 0; frame < frames; ++frame) {
        float& left = samples[frame * 2];
        float& right = samples[frame * 2 + 1];
        left *= master;
        right *= master;
        limit = limit >= kUnity ? 1.0 : limit + (1.0 - limit) * recovery;
        const double peak = std::max(std::abs(left), std::abs(right)) * limit;
        if (peak > kCeiling) {
            limit *= kCeiling / peak;
        }
        // At unity the samples pass untouched; otherwise they are scaled in the float they are mixed in.
        if (limit != 1.0) {
            left = static_cast<float>(left * limit);
            right = static_cast<float>(right * limit);
        }
    }
}

}  // namespace platform
