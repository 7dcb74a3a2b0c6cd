#include "game/replay/ReplayPlayer.h"

#include <utility>

#include "app/Application.h"
#include "game/play/XorShift128.h"
#include "input/Input.h"

namespace Yorun {

void CReplayPlayer::Start(Replay started, const CarriedState& liveCarried) {
    replay = std::move(started);
    live = liveCarried;
    next = 0;
    playing = true;
    liveGenerator = GameRandom();
    GameRandom() = replay.generator;
}

void CReplayPlayer::ApplyNextFrame() {
    if (!playing || next >= replay.frames.size()) {
        return;
    }
    const ReplayFrame& frame = replay.frames[next++];
    if (Corvane::g_pApplication != nullptr) {
        Corvane::CFrameTimer& timer = Corvane::g_pApplication->timer;
        if (!timerOverridden) {
            liveFrequency = timer.frequency;
            timerOverridden = true;
        }
        // The recorded ticks with the recorded ticks per second: the game's clocks divide the one by the
        // other, and the quotient is what it was.
        timer.frameTicks = frame.ticks;
        timer.frequency = replay.frequency;
    }
    if (Corvane::g_pInput != nullptr) {
        std::uint8_t held[256];
        std::uint8_t triggered[256];
        for (int code = 0; code < 256; ++code) {
            held[code] = frame.held[static_cast<std::size_t>(code)] ? 0x80 : 0;
            triggered[code] = frame.triggered[static_cast<std::size_t>(code)] ? 1 : 0;
        }
        Corvane::g_pInput->Override(held, triggered);
    }
}

void CReplayPlayer::RestoreTimer() {
    if (timerOverridden && Corvane::g_pApplication != nullptr) {
        Corvane::g_pApplication->timer.frequency = liveFrequency;
    }
    timerOverridden = false;
}

CarriedState CReplayPlayer::Stop() {
    if (!playing) {
        return live;
    }
    playing = false;
    RestoreTimer();
    GameRandom() = liveGenerator;
    // The keys the replay held are not the player's: every key counts as released until read again.
    if (Corvane::g_pInput != nullptr) {
        Corvane::g_pInput->Clear();
    }
    return live;
}

}  // namespace Yorun
