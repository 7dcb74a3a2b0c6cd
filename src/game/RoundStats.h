#pragma once

#include <cstdint>

namespace Yorun {

// How a round went, for the score screen and the records: counted as the round is played, changing
// nothing of it.
struct RoundStats {
    std::int32_t shots = 0;         // arrows loosed
    std::int32_t hits = 0;          // of those, hits on a target of their own colour
    std::int32_t longestCombo = 0;  // the most right-colour hits in a row

    // Arrows that did not score a right-colour hit (missed, hit the wrong colour, or still in flight).
    std::int32_t Misses() const { return shots - hits; }
    // Right-colour hits per hundred arrows loosed, rounded down; 0 when none was loosed.
    std::int32_t AccuracyPercent() const {
        return shots > 0 ? static_cast<std::int32_t>(std::int64_t{hits} * 100 / shots) : 0;
    }
};

}  // namespace Yorun
