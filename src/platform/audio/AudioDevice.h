#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/audio/AudioTypes.h"

namespace platform {

class AudioBuffer;
class AudioOutput;

// A sound device object: a handle on the shared audio output that makes buffers. Shared by reference
// count, and safe to release at any time, after SDL has shut down included.
class AudioDevice {
public:
    // Fails with DSERR_NODRIVER when no audio device can be opened; the caller then stays silent.
    static HRESULT Create(AudioDevice** device);

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    std::uint32_t AddRef();
    std::uint32_t Release();

    // The output mixes for every window alike, whatever has the focus; only the level is checked.
    HRESULT SetCooperativeLevel(WindowId window, std::uint32_t level);
    // A buffer for 16-bit PCM of any rate and channel count, dwBufferBytes long (whole frames); with
    // DSBCAPS_CTRLPOSITIONNOTIFY in dwFlags a streamed ring, whose underruns the mixer counts.
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* description, AudioBuffer** buffer);

private:
    explicit AudioDevice(std::shared_ptr<AudioOutput> output);
    ~AudioDevice();

    std::atomic<std::uint32_t> references{1};
    std::shared_ptr<AudioOutput> output;
};

}  // namespace platform
