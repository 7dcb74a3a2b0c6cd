#include "platform/audio/AudioOutput.h"

#include <SDL.h>

#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioTypes.h"
#include "platform/system/ErrorOutput.h"

namespace platform {

namespace {

// Guards the registry below; taken by the game thread only, never by the audio callback.
std::mutex registryMutex;
std::weak_ptr<AudioOutput> shared;
// Once no device could be opened, later device objects fail at once: asking the sound system again for
// every cue would only repeat its complaints, and the game runs silent either way. Only a different
// choice of audio driver is worth another try.
bool openingFailed = false;
std::string failedDriver;
std::int32_t masterVolume = 0;
bool held = false;

std::string RequestedDriver() {
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    return driver != nullptr ? driver : "";
}

void NoteFailure() {
    openingFailed = true;
    failedDriver = RequestedDriver();
}

void SDLCALL MixCallback(void* userdata, Uint8* stream, int length) {
    static_cast<AudioMixer*>(userdata)->Mix(
        reinterpret_cast<std::int16_t*>(stream),
        length / static_cast<int>(sizeof(std::int16_t) * AudioMixer::kChannels));
}

}  // namespace

// The SDL audio device.
class DeviceAudio final : public AudioSink {
public:
    std::shared_ptr<AudioOutput> Acquire() override;
    void SetMasterVolume(std::int32_t volume) override;
    void SetHeld(bool hold) override;
};

void DeviceAudio::SetMasterVolume(std::int32_t volume) {
    std::lock_guard<std::mutex> guard(registryMutex);
    masterVolume = volume;
    if (std::shared_ptr<AudioOutput> output = shared.lock()) {
        output->GetMixer().SetMasterGain(GainOfVolume(volume));
    }
}

void DeviceAudio::SetHeld(bool hold) {
    std::lock_guard<std::mutex> guard(registryMutex);
    held = hold;
    if (std::shared_ptr<AudioOutput> output = shared.lock()) {
        output->GetMixer().SetHeld(hold);
    }
}

std::shared_ptr<AudioOutput> DeviceAudio::Acquire() {
    std::lock_guard<std::mutex> guard(registryMutex);
    if (std::shared_ptr<AudioOutput> output = shared.lock()) {
        if (output->IsDeviceOpen()) {
            return output;
        }
        // SDL has been shut down under it; its handles keep it, but new ones need a device of their own.
        output->deviceId = 0;
    }
    if (openingFailed && failedDriver == RequestedDriver()) {
        return nullptr;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        PrintError("no sound, the game plays silently: %s", SDL_GetError());
        NoteFailure();
        return nullptr;
    }
    auto mixer = std::make_shared<AudioMixer>(AudioOutput::kRate);
    mixer->SetMasterGain(GainOfVolume(masterVolume));
    mixer->SetHeld(held);
    SDL_AudioSpec wanted{};
    wanted.freq = AudioOutput::kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = AudioMixer::kChannels;
    wanted.samples = AudioOutput::kPeriodFrames;
    wanted.callback = MixCallback;
    wanted.userdata = mixer.get();
    // No changes allowed: SDL converts to whatever the hardware wants, and the callback always sees this
    // format and period.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0) {
        PrintError("no sound, the game plays silently: %s", SDL_GetError());
        NoteFailure();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    auto output = std::make_shared<AudioOutput>(std::move(mixer), id);
    shared = output;
    SDL_PauseAudioDevice(id, 0);
    return output;
}

AudioOutput::AudioOutput(std::shared_ptr<AudioMixer> mixer, std::uint32_t deviceId)
    : mixer(std::move(mixer)), deviceId(deviceId) {}

AudioOutput::~AudioOutput() {
    // Closing waits for a callback in progress, so the mixer is no longer in use when it goes.
    if (IsDeviceOpen()) {
        SDL_CloseAudioDevice(deviceId);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool AudioOutput::IsDeviceOpen() const {
    return deviceId != 0 && SDL_WasInit(SDL_INIT_AUDIO) != 0;
}

namespace {
DeviceAudio deviceAudio;
AudioSink* currentSink = &deviceAudio;
}  // namespace

AudioSink& GetAudioSink() {
    return *currentSink;
}

void SetAudioSink(AudioSink* sink) {
    currentSink = sink != nullptr ? sink : &deviceAudio;
}

PulledAudio::PulledAudio(std::shared_ptr<AudioMixer> mixer) : mixer(std::move(mixer)) {
    SetAudioSink(this);
}

PulledAudio::~PulledAudio() {
    SetAudioSink(nullptr);
}

std::shared_ptr<AudioOutput> PulledAudio::Acquire() {
    return std::make_shared<AudioOutput>(mixer, 0);
}

void PulledAudio::SetMasterVolume(std::int32_t volume) {
    mixer->SetMasterGain(GainOfVolume(volume));
}

void PulledAudio::SetHeld(bool hold) {
    mixer->SetHeld(hold);
}

}  // namespace platform
