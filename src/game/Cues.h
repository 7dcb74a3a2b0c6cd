#pragma once

#include <cstdint>

namespace Yorun {

class CGameState;

// Where each cue sits: a bank of the game state's cues and a slot in it.
struct CueSlot {
    int bank;
    int slot;
};

// The game's cues. Some events use two or three slots of one file so that a cue can sound again while
// its last play is still ringing.
namespace Cue {
constexpr CueSlot kArrowRelease{0, 0};  // slots 0 to 2, taken in turn
constexpr int kArrowReleaseSlots = 3;
constexpr CueSlot kStockNotice{1, 0};
constexpr CueSlot kEmptyStock{1, 1};
constexpr CueSlot kHit{2, 0};  // slots 0 and 1, taken in turn
constexpr int kHitSlots = 2;
constexpr CueSlot kWrongColour{3, 0};
constexpr CueSlot kCountdownTick{4, 0};  // a pair: slots 0 and 1
constexpr CueSlot kScoreBurst{4, 2};
constexpr CueSlot kMenuCursor{4, 3};
constexpr CueSlot kStartOfPlay{4, 5};
constexpr CueSlot kConfirm{5, 0};  // a pair: slots 0 and 1
constexpr CueSlot kScoreZoom{6, 0};
constexpr CueSlot kTimeUp{7, 0};
}  // namespace Cue

// The four ways a cue is played; every cue plays once, from its beginning.
// Restart: play, cutting off a play still sounding.
void PlayRestart(CGameState& state, CueSlot cue);
// If silent: play only when the slot is not playing.
void PlayIfSilent(CGameState& state, CueSlot cue);
// Pair: the cue's slot, or the one after it when that is still playing.
void PlayPair(CGameState& state, CueSlot cue);
// Round robin: the slot the counter names, then the counter moves on, wrapping after the last slot.
void PlayRoundRobin(CGameState& state, CueSlot cue, std::int32_t& counter, int slots);

}  // namespace Yorun
