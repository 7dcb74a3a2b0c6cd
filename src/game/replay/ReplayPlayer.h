#pragma once

#include <cstddef>
#include <cstdint>

#include "game/replay/Replay.h"

namespace Yorun {

// Plays a recorded game through the real loop: at each update the recorded frame's keys and time stand in
// for the devices' and the frame timer's, so the game does exactly what it did. The frame rate, the
// drawing and the sound are live. What the live game carries from one game to the next is set aside while
// the replay plays and given back when it ends, so watching a replay changes nothing of the next game.
class CReplayPlayer {
public:
    // Plays the replay from the next update on; the live game's carried state is kept to be given back.
    void Start(Replay started, const CarriedState& liveCarried);
    bool IsPlaying() const { return playing; }
    const Replay& Playing() const { return replay; }
    // Whether the next frame is the first, the one that confirms the difficulty.
    bool AtFirstFrame() const { return next == 0; }
    bool HasFramesLeft() const { return next < replay.frames.size(); }

    // The next frame's keys and time become the input object's and the frame timer's, until the frame has
    // been drawn.
    void ApplyNextFrame();
    // The frame timer goes back to its own ticks per second (the frame has been drawn).
    void RestoreTimer();
    // The replay is over, or left: the live generator comes back, and the live carried state is returned
    // for the game to take back.
    CarriedState Stop();

private:
    CarriedState live;
    XorShift128 liveGenerator;
    Replay replay;
    std::size_t next = 0;
    bool playing = false;
    bool timerOverridden = false;
    std::int64_t liveFrequency = 0;
};

}  // namespace Yorun
