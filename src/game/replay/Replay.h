#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "game/RoundStats.h"
#include "game/play/XorShift128.h"

namespace Yorun {

// One frame of a recorded game: the frame timer's ticks since the frame before, and the keys as the game
// read them (after taps were latched and the pads' keys added): held, and triggered this frame.
struct ReplayFrame {
    std::int64_t ticks = 0;
    std::bitset<256> held;       // by key code
    std::bitset<256> triggered;  // by key code; only keys that are also held
};

// What a game takes over from the games played before it in the same run, besides the generator: a new
// game resets everything else. Recorded so that a game plays back the same in any run.
struct CarriedState {
    static constexpr int kTargetSlots = 30;

    float shotTimer = 0.0f;                      // the arrows' time since the last shot
    float launchCounter = 0.0f;                  // the target launcher's count towards its next launch
    std::int32_t blinkHolds[kTargetSlots] = {};  // each target slot's blink hold
    bool emptyNoticeFadingIn = false;            // which way the out-of-arrows notice blinks
    std::int32_t shotCueNext = 0;                // the bow's cue slot that sounds next
    std::int32_t hitCueNext = 0;                 // the hit's cue slot that sounds next
};

// A whole recorded game, from the update that confirmed the difficulty to the one that brought up the score
// screen: enough to play it again exactly, in this run or another.
struct Replay {
    // Format 2 adds the round's statistics after the scores; format 1 files are still read, without them.
    static constexpr std::uint16_t kFormatVersion = 2;
    // More frames than any game can take (a round is 91 seconds at 61 frames a second).
    static constexpr std::uint32_t kMaxFrames = 20000;

    std::string programVersion;
    std::int32_t difficulty = 0;
    std::int64_t recordedAt = 0;  // seconds since 1970, UTC
    std::int64_t frequency = 0;   // the frame timer's ticks per second
    XorShift128 generator;        // the random generator's state at the start
    CarriedState carried;
    std::int32_t score = 0;  // the score and best score the game ended with
    std::int32_t maxScore = 0;
    bool hasStats = false;  // false for a format 1 file, which is written back as one
    RoundStats stats;
    std::vector<ReplayFrame> frames;
};

// The replay file's bytes (the format is described in docs/replay-format.md).
std::vector<std::uint8_t> EncodeReplay(const Replay& replay);
// Reads a replay file's bytes; false with a reason a player can act on when they are not a whole replay
// of a format this program knows. Never trusts a count or a value it has not checked.
bool DecodeReplay(const std::uint8_t* bytes, std::size_t size, Replay& replay, std::string& error);

}  // namespace Yorun
