#pragma once

#include <cstdint>

#include "base/Fnv1a.h"

namespace Yorun {

class CGameState;
class CTargetPool;

// What a watched replay did on the field: every target's place, speed, colour and motion once a second of
// play, folded into one digest. Two systems that play a replay alike print the same digest when it ends,
// so a replay recorded on one can be checked on another.
class CReplayWitness {
public:
    // Starts over for a new replay.
    void Begin();
    // At the start of each replayed update, before the update moves anything.
    void Observe(const CGameState& state, const CTargetPool& targets);

    // The targets of one moment, as one number.
    static std::uint64_t TargetChecksum(const CTargetPool& targets);

    std::uint64_t Digest() const { return digest.Value(); }
    int Seconds() const { return seconds; }

private:
    static constexpr int kUpdatesPerSecond = 61;

    Corvane::Fnv1a digest;
    int playUpdates = 0;  // replayed updates that began in play
    int seconds = 0;      // checksums folded in
};

}  // namespace Yorun
