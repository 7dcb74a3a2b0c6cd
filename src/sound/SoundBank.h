#pragma once

#include <array>

#include "platform/audio/AudioDevice.h"
#include "sound/ComPtr.h"
#include "sound/StreamPlayer.h"

namespace Dix {

// A fixed row of sound slots, each an Ogg Vorbis file streamed by its own player, with a volume per slot.
// Used from the game thread only; slot indexes run from 0 to kSlotCount − 1.
class SoundBank {
public:
    static constexpr int kSlotCount = 20;
    static constexpr int kDefaultVolume = -500;

    SoundBank();
    ~SoundBank();

    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Reads the file into the slot; a file that cannot be read is reported in a message box and leaves
    // the slot empty.
    void Load(const char* fileName, int slot);
    // Hundredths of a decibel; kept for every later Play.
    void SetVolume(int slot, int newVolume);
    // From the start of the sound; false when the slot holds no open sound.
    bool Play(bool loop, int slot);
    // StreamPlayer::STATE_CLOSED, STATE_PLAYING or STATE_STOPPED.
    int GetState(int slot) const;
    void StopAll();
    void ReleaseAll();

    int GetVolume(int slot) const { return volume[slot]; }
    // One streaming round of every slot's player, for a caller that pulls the sound faster than it plays
    // (a benchmark rendering a game's sound offline): the players' own threads refill only every 100 ms.
    void StreamAll();
    bool IsLoaded(int slot) const { return loaded[slot]; }

private:
    Com_ptr<platform::AudioDevice> device;
    std::array<bool, kSlotCount> loaded{};
    std::array<int, kSlotCount> volume{};
    std::array<StreamPlayer, kSlotCount> players;
};

}  // namespace Dix
