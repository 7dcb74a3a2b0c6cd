#include "game/replay/ReplayWitness.h"

#include <cstddef>

#include "game/GameState.h"
#include "game/play/TargetPool.h"

namespace Yorun {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

// FNV-1a over a value's bytes as they lie in memory (little-endian on every system the game runs on).
template <typename T>
void Mix(std::uint64_t& hash, T value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t index = 0; index < sizeof(value); ++index) {
        hash ^= bytes[index];
        hash *= kFnvPrime;
    }
}

}  // namespace

void CReplayWitness::Begin() {
    digest = kFnvOffset;
    playUpdates = 0;
    seconds = 0;
}

void CReplayWitness::Observe(const CGameState& state, const CTargetPool& targets) {
    if (state.scene != SCENE_PLAY) {
        return;
    }
    if (playUpdates % kUpdatesPerSecond == 0) {
        Mix(digest, TargetChecksum(targets));
        ++seconds;
    }
    ++playUpdates;
}

std::uint64_t CReplayWitness::TargetChecksum(const CTargetPool& targets) {
    std::uint64_t hash = kFnvOffset;
    for (const CTarget& target : targets.slots) {
        Mix(hash, target.picture.visible);
        if (!target.picture.visible) {
            continue;
        }
        Mix(hash, target.x);
        Mix(hash, target.y);
        Mix(hash, target.picture.alpha);
        Mix(hash, target.speed);
        Mix(hash, target.colour);
        Mix(hash, target.motion);
        Mix(hash, target.depth);
        Mix(hash, target.switched);
    }
    return hash;
}

}  // namespace Yorun
