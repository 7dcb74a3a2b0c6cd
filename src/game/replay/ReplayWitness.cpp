#include "game/replay/ReplayWitness.h"

#include "game/GameState.h"
#include "game/play/TargetPool.h"

namespace Yorun {

void CReplayWitness::Begin() {
    digest = Corvane::Fnv1a{};
    playUpdates = 0;
    seconds = 0;
}

void CReplayWitness::Observe(const CGameState& state, const CTargetPool& targets) {
    if (state.scene != SCENE_PLAY) {
        return;
    }
    if (playUpdates % kUpdatesPerSecond == 0) {
        digest.AddValue(TargetChecksum(targets));
        ++seconds;
    }
    ++playUpdates;
}

std::uint64_t CReplayWitness::TargetChecksum(const CTargetPool& targets) {
    Corvane::Fnv1a hash;
    for (const CTarget& target : targets.slots) {
        hash.AddValue(target.picture.visible);
        if (!target.picture.visible) {
            continue;
        }
        hash.AddValue(target.x);
        hash.AddValue(target.y);
        hash.AddValue(target.picture.alpha);
        hash.AddValue(target.speed);
        hash.AddValue(target.colour);
        hash.AddValue(target.motion);
        hash.AddValue(target.depth);
        hash.AddValue(target.switched);
    }
    return hash.Value();
}

}  // namespace Yorun
