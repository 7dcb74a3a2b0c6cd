#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>

#include "platform/audio/AudioBuffer.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/AudioTypes.h"
#include "platform/system/RepeatingTask.h"
#include "sound/ComPtr.h"
#include "sound/PCMDecoder.h"
#include "sound/Sp.h"

namespace Dix {

// Plays one decoded sound through a one-second ring buffer. The ring is filled whole when the sound is
// opened or rewound; the player's streaming task then refills whichever half the play position has just
// left, and stops a sound that does not loop once the play position has passed its last sample.
class StreamPlayer {
public:
    static constexpr int STATE_CLOSED = 0;
    static constexpr int STATE_PLAYING = 1;
    static constexpr int STATE_STOPPED = 3;

    StreamPlayer();
    ~StreamPlayer();

    StreamPlayer(const StreamPlayer&) = delete;
    StreamPlayer& operator=(const StreamPlayer&) = delete;

    void SetDevice(const Com_ptr<platform::AudioDevice>& newDevice);
    bool Open(const sp<PCMDecoder>& source);
    bool Play(bool playLoop);
    void Stop();
    bool Rewind();
    void SetVolume(int volume);
    int GetState() const { return state; }
    void Close();
    void JoinThread();

    // One poll of the streaming task: refill, end tracking, stop at the end. The task runs it every 100 ms
    // (on a thread of its own, or from the frame loop where there are no threads); a test can run it itself
    // between pulls of the mixer.
    void StreamRound();

    bool IsReady() const { return ready; }
    const platform::DSBUFFERDESC& GetBufferDesc() const { return bufferDesc; }

private:
    static constexpr std::uint32_t kBufferSeconds = 1;
    static constexpr std::uint32_t kBufferFlags =
        platform::DSBCAPS_CTRLFREQUENCY | platform::DSBCAPS_CTRLPAN | platform::DSBCAPS_CTRLVOLUME |
        platform::DSBCAPS_CTRLPOSITIONNOTIFY | platform::DSBCAPS_GLOBALFOCUS;
    static constexpr std::uint32_t kDescSize = 36;
    static constexpr auto kPollInterval = std::chrono::milliseconds(100);

    // Where the streaming task stands in the ring; starts afresh at every Play from rest.
    struct Tracking {
        int fillHalf = 0;           // the half of the ring to refill next: 0 the first, 1 the second
        bool ended = false;         // the decoder has reported the end of a one-shot sound
        bool endNoted = false;      // where the sound ends in the ring has been noted
        std::uint32_t endPos = 0;   // the byte offset in the ring where the sound ends
        std::uint32_t prevPos = 0;  // the play position at the previous round
    };

    // These run with `mutex` held.
    bool RewindLocked();
    void StreamRoundLocked();
    void RefillLocked(std::uint32_t offset, std::uint32_t bytes);
    bool CreateBufferLocked();
    std::uint32_t FirstHalfBytes() const;
    std::uint32_t PlayCursor() const;

    sp<PCMDecoder> decoder;                 // the player's own decoder of the sound
    platform::WAVEFORMATEX format;          // the decoder's PCM format
    platform::DSBUFFERDESC bufferDesc;      // what the ring was made from: a second of sound
    Com_ptr<platform::AudioDevice> device;  // the device object the bank gave
    Com_ptr<platform::AudioBuffer> buffer;  // the ring
    std::atomic<bool> ready{false};         // open: the ring made and filled
    platform::RepeatingTask streaming;      // the streaming task, once started
    bool loop = true;                       // the last Play's choice of looping
    std::atomic<int> state{STATE_CLOSED};   // closed, playing or stopped

    // One lock makes refills, rewinds and state changes exclusive of one another.
    std::mutex mutex;
    Tracking tracking;
};

}  // namespace Dix
