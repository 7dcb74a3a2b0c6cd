#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace platform {

class AudioMixer;

// Where the mixed sound goes: the one SDL audio device (44.1 kHz stereo, 512-frame periods), opened on first
// use and shared by every device object and buffer, or a mixer that a test pulls itself. It lives as long as
// any handle holds it. SDL may close the device first (SDL_Quit at the end of the program); the output then
// notices and leaves SDL alone, and its mixer stays valid for the handles still holding it.
class AudioOutput {
public:
    static constexpr int kRate = 44100;
    static constexpr int kPeriodFrames = 512;

    // The shared output, opening the SDL device if none is open (or the pulled mixer when one is in use);
    // null when no audio device can be opened.
    static std::shared_ptr<AudioOutput> Acquire();

    ~AudioOutput();

    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    AudioMixer& GetMixer() const { return *mixer; }
    // True while output goes to an SDL device that is still open.
    bool IsDeviceOpen() const;

private:
    AudioOutput(std::shared_ptr<AudioMixer> mixer, std::uint32_t deviceId);

    std::shared_ptr<AudioMixer> mixer;
    std::atomic<std::uint32_t> deviceId;  // 0: pulled, or the device has been closed under us
};

// While it lives, device objects made from now on send their sound to the given mixer instead of an SDL
// device, and nothing calls SDL audio; the test pulls the mixer itself.
class PulledAudio {
public:
    explicit PulledAudio(std::shared_ptr<AudioMixer> mixer);
    ~PulledAudio();

    PulledAudio(const PulledAudio&) = delete;
    PulledAudio& operator=(const PulledAudio&) = delete;
};

}  // namespace platform
