#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/replay/Replay.h"

namespace testing_support {

class GameDriver;

// What a scripted game came to: the scores, the arrows loosed and how they ended, and a checksum of
// every target's state once a second of play.
struct ReplayResult {
    std::int32_t score = 0;
    std::int32_t maxScore = 0;
    int shots = 0;
    int hits = 0;
    int misses = 0;
    std::vector<std::uint64_t> targetChecksums;

    std::string ToText() const;
    bool operator==(const ReplayResult& other) const = default;
};

// Plays one whole game from the title on the given difficulty with fixed keys for each frame: aiming in a
// square, firing all four colours in turn, refilling when the stock runs out and stepping the arrow
// speed now and then; then on through the result and score screens back to the title. Frames are exactly
// 1/61 s; everything is drawn every frame when draw is true, every 61st frame otherwise.
ReplayResult PlayScriptedGame(GameDriver& driver, int difficulty, bool drawEveryFrame = true);

// Plays a recorded game back through the game's replay player, seen the same way as a scripted game: from
// the update that confirmed the difficulty to the score screen. Drawn as PlayScriptedGame draws.
ReplayResult PlayRecordedGame(GameDriver& driver, Yorun::Replay replay, bool drawEveryFrame = true);

}  // namespace testing_support
