#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "platform/audio/MasterStage.h"

namespace platform {

struct AudioVoice;

// Sums every playing voice into 16-bit stereo at the output rate, through the master stage (gain and
// limiter). The SDL audio callback pulls it one device period at a time; a test can pull it directly for any
// number of frames, with no device at all.
//
// The lock is held only for bookkeeping and for the mixing itself, never while a buffer is being filled:
// the decoders write into locked regions without it, and the mixer reads those regions as silence. The
// callback therefore never waits behind a decoder, and never allocates.
//
// A streamed ring (DSBCAPS_CTRLPOSITIONNOTIFY) is refilled half by half behind its play position; the mixer
// counts an underrun (platform statistics) each time the play position passes into a half that has not
// been written since the mixer last played out of it, so that the listener hears the old sound again, or
// silence where the refill is still locked. Counted once per half entered, whatever the rate; moving the
// position with SetCurrentPosition, and stopping, are the owner's doing and never count.
class AudioMixer {
public:
    static constexpr int kChannels = 2;

    explicit AudioMixer(int rate);

    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    int GetRate() const { return rate; }

    // Writes `frames` interleaved stereo frames and advances the play position of every playing voice by
    // what it consumed.
    void Mix(std::int16_t* out, int frames);

    // A voice is played from Attach until Detach; its owner changes it only under the lock.
    void Attach(AudioVoice* voice);
    void Detach(AudioVoice* voice);
    std::mutex& GetLock() { return mutex; }

    // The master stage's gain (linear, 1 by default); any thread may set it while the mixer runs.
    void SetMasterGain(float linear) { master.SetGain(linear); }
    float GetMasterGain() const { return master.GetGain(); }
    // While held the mixer writes silence and no voice's play position moves; any thread may set it.
    void SetHeld(bool hold) { held.store(hold); }
    bool IsHeld() const { return held.load(); }

private:
    // Frames mixed per turn of the lock; a longer pull is mixed in turns.
    static constexpr int kChunkFrames = 512;

    void MixChunk(std::int16_t* out, int frames);
    void Advance(AudioVoice& voice, std::uint64_t count);
    void MixUnchanged(AudioVoice& voice, int frames);
    template <bool kMono>
    void MixResampled(AudioVoice& voice, int frames);
    void MixCarefully(AudioVoice& voice, int frames);

    const int rate;
    std::mutex mutex;
    AudioVoice* voices = nullptr;
    MasterStage master;
    std::atomic<bool> held{false};
    std::array<float, kChunkFrames * kChannels> accumulator{};
};

}  // namespace platform
