#include "game/Cues.h"

#include "game/GameState.h"
#include "sound/StreamPlayer.h"

namespace Yorun {

namespace {
constexpr int kPlaying = Dix::StreamPlayer::STATE_PLAYING;
}

void PlayRestart(CGameState& state, CueSlot cue) {
    state.cues[cue.bank].Play(false, cue.slot);
}

void PlayIfSilent(CGameState& state, CueSlot cue) {
    if (state.cues[cue.bank].GetState(cue.slot) != kPlaying) {
        state.cues[cue.bank].Play(false, cue.slot);
    }
}

void PlayPair(CGameState& state, CueSlot cue) {
    Dix::SoundBank& bank = state.cues[cue.bank];
    if (bank.GetState(cue.slot) == kPlaying) {
        bank.Play(false, cue.slot + 1);
    } else {
        bank.Play(false, cue.slot);
    }
}

void PlayRoundRobin(CGameState& state, CueSlot cue, std::int32_t& counter, int slots) {
    state.cues[cue.bank].Play(false, cue.slot + counter);
    counter += 1;
    if (counter >= slots) {
        counter = 0;
    }
}

}  // namespace Yorun
