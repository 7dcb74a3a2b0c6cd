#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace platform {

class AudioMixer;

// Where the mixed sound goes: an SDL audio device (44.1 kHz stereo, 512-frame periods), or a mixer that a
// test pulls itself. It lives as long as any handle holds it. SDL may close the device first (SDL_Quit at the
// end of the program); the output then notices and leaves SDL alone, and its mixer stays valid for the
// handles still holding it.
class AudioOutput {
public:
    static constexpr int kRate = 44100;
    static constexpr int kPeriodFrames = 512;

    // An output into the mixer, played by the SDL device with this id, or by nobody but its owner (0).
    AudioOutput(std::shared_ptr<AudioMixer> mixer, std::uint32_t deviceId);
    ~AudioOutput();

    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    AudioMixer& GetMixer() const { return *mixer; }
    // True while output goes to an SDL device that is still open.
    bool IsDeviceOpen() const;

private:
    friend class DeviceAudio;

    std::shared_ptr<AudioMixer> mixer;
    std::atomic<std::uint32_t> deviceId;  // 0: pulled, or the device has been closed under us
};

// Where device objects send their sound. The SDL audio device, opened on first use and shared by every
// device object and buffer, is the default; a test or a benchmark installs a mixer it pulls itself, and null
// puts the device back.
class AudioSink {
public:
    virtual ~AudioSink() = default;
    // The output to send sound to; null when there is none (no audio device can be opened).
    virtual std::shared_ptr<AudioOutput> Acquire() = 0;
    // The master level, in hundredths of a decibel after every buffer's own volume: 0 leaves the sound as
    // mixed, above 0 is louder (the master stage's limiter keeps it from clipping), DSBVOLUME_MIN is
    // silence. It holds for the output in use and every one acquired later.
    virtual void SetMasterVolume(std::int32_t volume) = 0;
    // Holds every sound where it is (the output plays silence and no voice moves on) or lets them go on
    // from there: a paused game's cues resume exactly where they stopped.
    virtual void SetHeld(bool hold) = 0;
};

AudioSink& GetAudioSink();
void SetAudioSink(AudioSink* sink);

// A mixer that its owner pulls, installed as the sink while it lives: device objects made from now on send
// their sound to it, and nothing calls SDL audio.
class PulledAudio final : public AudioSink {
public:
    explicit PulledAudio(std::shared_ptr<AudioMixer> mixer);
    ~PulledAudio() override;

    PulledAudio(const PulledAudio&) = delete;
    PulledAudio& operator=(const PulledAudio&) = delete;

    std::shared_ptr<AudioOutput> Acquire() override;
    void SetMasterVolume(std::int32_t volume) override;
    void SetHeld(bool hold) override;

private:
    std::shared_ptr<AudioMixer> mixer;
};

}  // namespace platform
