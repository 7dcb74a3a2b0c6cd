#pragma once

#include <cstdint>

namespace assetgen {

// A small xorshift generator with a fixed seed: scattered details (clouds, sparkles, noise in the cues)
// come out the same on every run, so the generated files are byte-for-byte reproducible.
class Random {
public:
    explicit Random(std::uint32_t seed) : m_state(seed != 0 ? seed : 0x9E3779B9U) {}

    std::uint32_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    // Uniform in [0, 1).
    float Unit() { return static_cast<float>(Next() >> 8) / 16777216.0F; }
    // Uniform in [low, high).
    float Range(float low, float high) { return low + (high - low) * Unit(); }

private:
    std::uint32_t m_state;
};

}  // namespace assetgen
