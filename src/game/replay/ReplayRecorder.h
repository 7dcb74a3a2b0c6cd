#pragma once

#include "game/replay/Replay.h"

namespace Yorun {

// Records every game as it is played: from the update that confirms the difficulty, each frame's keys and
// time, until the score screen comes up. Room for the longest game is set aside once, at start-up, so
// recording allocates nothing while a game runs; a game longer than that is not kept.
class CReplayRecorder {
public:
    void Initialize();
    // The difficulty has just been confirmed, in this update: the state the game starts from (the
    // difficulty, and what it carries over from the games before it) and this frame begin the recording.
    // Called before the new game is set up.
    void Begin(std::int32_t difficulty, const CarriedState& carried);
    // The frame about to be updated, as the input object and the frame timer left it.
    void AddFrame();
    // The score screen has come up: the recording is whole.
    void Finish(std::int32_t score, std::int32_t maxScore);
    // Stops recording without keeping anything (a replay is about to play).
    void Abandon() { recording = false; }

    bool IsRecording() const { return recording; }
    // The last whole recording, until the next one begins.
    bool HasFinished() const { return finished; }
    const Replay& Finished() const { return replay; }

private:
    Replay replay;
    bool recording = false;
    bool finished = false;
};

// The frame's keys and time as the input object and the frame timer hold them now.
ReplayFrame CaptureFrame();

}  // namespace Yorun
