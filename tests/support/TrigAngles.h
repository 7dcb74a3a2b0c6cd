#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace trig_angles {

// The circling targets' angle starts a game at 0 and moves two degrees (as the float the rules use) one way
// or the other each update, carried from one target of a slot to the next: after n updates it is one of
// the float sums of n such steps. A round has under 6000 updates.
inline std::vector<float> ReachableAngles(int updates = 6000) {
    constexpr float kStep = 0.034906585f;
    std::set<float> reached{0.0f};
    std::vector<float> level{0.0f};
    for (int update = 0; update < updates; ++update) {
        std::vector<float> next;
        next.reserve(level.size() * 2);
        for (const float angle : level) {
            next.push_back(angle + kStep);
            next.push_back(angle - kStep);
        }
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
        level = std::move(next);
        reached.insert(level.begin(), level.end());
    }
    return {reached.begin(), reached.end()};
}

// Ten million more, spread over the floats between -2^20 and 2^20: every bit pattern in that range is as
// likely, so small angles, where floats are dense, get their share.
inline std::vector<float> SpreadAngles(int count = 10'000'000) {
    std::vector<float> angles;
    angles.reserve(static_cast<std::size_t>(count));
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    while (static_cast<int>(angles.size()) < count) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const auto bits = static_cast<std::uint32_t>(state >> 32);
        float angle = 0.0f;
        std::memcpy(&angle, &bits, sizeof(angle));
        if (angle > -1048576.0f && angle < 1048576.0f) {
            angles.push_back(angle);
        }
    }
    return angles;
}

// A digest of the sine and cosine of every angle, bit for bit: two builds agree when their digests do.
template <typename Sine, typename Cosine>
std::uint64_t Digest(const std::vector<float>& angles, Sine sine, Cosine cosine) {
    std::uint64_t hash = 1469598103934665603ULL;
    auto mix = [&hash](float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof(bits));
        hash = (hash ^ bits) * 1099511628211ULL;
    };
    for (const float angle : angles) {
        mix(sine(angle));
        mix(cosine(angle));
    }
    return hash;
}

}  // namespace trig_angles
