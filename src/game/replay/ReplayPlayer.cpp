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
    const XorShift128& generator = GameRandom();
    liveGenerator[0] = generator.x;
    liveGenerator[1] = generator.y;
    liveGenerator[2] = generator.z;
    liveGenerator[3] = generator.w;
    XorShift128& into = GameRandom();
    into.x = replay.generator[0];
    into.y = replay.generator[1];
    into.z = replay.generator[2];
    into.w = replay.generator[3];
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
            held[code] = frame.IsHeld(code) ? 0x80 : 0;
            triggered[code] = frame.IsTriggered(code) ? 1 : 0;
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
    XorShift128& generator = GameRandom();
    generator.x = liveGenerator[0];
    generator.y = liveGenerator[1];
    generator.z = liveGenerator[2];
    generator.w = liveGenerator[3];
    // The keys the replay held are not the player's: every key counts as released until read again.
    if (Corvane::g_pInput != nullptr) {
        Corvane::g_pInput->Clear();
    }
    return live;
}

}  // namespace Yorun
