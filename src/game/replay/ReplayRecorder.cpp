#include "game/replay/ReplayRecorder.h"

#include <ctime>

#include "app/Application.h"
#include "game/GameState.h"
#include "game/play/XorShift128.h"
#include "input/Input.h"

namespace Yorun {

ReplayFrame CaptureFrame() {
    ReplayFrame frame;
    if (Corvane::g_pApplication != nullptr) {
        frame.ticks = Corvane::g_pApplication->timer.frameTicks;
    }
    if (Corvane::g_pInput != nullptr) {
        for (int code = 0; code < 256; ++code) {
            if (Corvane::g_pInput->IsKeyDown(code)) {
                frame.held.set(static_cast<std::size_t>(code));
                frame.triggered.set(static_cast<std::size_t>(code), Corvane::g_pInput->IsKeyTriggered(code));
            }
        }
    }
    return frame;
}

void CReplayRecorder::Initialize() {
    replay.frames.reserve(Replay::kMaxFrames);
    replay.programVersion = YORUN_VERSION;
}

void CReplayRecorder::Begin(std::int32_t difficulty, const CarriedState& carried) {
    finished = false;
    recording = true;
    replay.frames.clear();
    replay.difficulty = difficulty;
    replay.frequency = Corvane::g_pApplication != nullptr ? Corvane::g_pApplication->timer.frequency : 0;
    replay.generator = GameRandom();
    replay.carried = carried;
    AddFrame();
}

void CReplayRecorder::AddFrame() {
    if (!recording) {
        return;
    }
    if (replay.frames.size() >= Replay::kMaxFrames) {
        recording = false;
        return;
    }
    replay.frames.push_back(CaptureFrame());
}

void CReplayRecorder::Finish(std::int32_t score, std::int32_t maxScore) {
    if (!recording) {
        return;
    }
    recording = false;
    replay.score = score;
    replay.maxScore = maxScore;
    replay.hasStats = true;
    replay.stats = GetGameState().round;
    replay.recordedAt = static_cast<std::int64_t>(std::time(nullptr));
    finished = replay.frequency > 0;
}

}  // namespace Yorun
