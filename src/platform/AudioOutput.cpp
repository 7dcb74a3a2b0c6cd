#include "platform/AudioOutput.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/AudioMixer.h"

namespace platform {

namespace {

// Guards the registry below; taken by the game thread only, never by the audio callback.
std::mutex registryMutex;
std::weak_ptr<AudioOutput> shared;
std::shared_ptr<AudioMixer> pulled;
// Once no device could be opened, later device objects fail at once: asking the sound system again for
// every cue would only repeat its complaints, and the game runs silent either way. Only a different
// choice of audio driver is worth another try.
bool openingFailed = false;
std::string failedDriver;

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

std::shared_ptr<AudioOutput> AudioOutput::Acquire() {
    std::lock_guard<std::mutex> guard(registryMutex);
    if (pulled != nullptr) {
        return std::shared_ptr<AudioOutput>(new AudioOutput(pulled, 0));
    }
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
        std::fprintf(stderr, "Yorun: no sound, the game plays silently: %s\n", SDL_GetError());
        NoteFailure();
        return nullptr;
    }
    auto mixer = std::make_shared<AudioMixer>(kRate);
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = AudioMixer::kChannels;
    wanted.samples = kPeriodFrames;
    wanted.callback = MixCallback;
    wanted.userdata = mixer.get();
    // No changes allowed: SDL converts to whatever the hardware wants, and the callback always sees this
    // format and period.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0) {
        std::fprintf(stderr, "Yorun: no sound, the game plays silently: %s\n", SDL_GetError());
        NoteFailure();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    std::shared_ptr<AudioOutput> output(new AudioOutput(std::move(mixer), id));
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

PulledAudio::PulledAudio(std::shared_ptr<AudioMixer> mixer) {
    std::lock_guard<std::mutex> guard(registryMutex);
    pulled = std::move(mixer);
}

PulledAudio::~PulledAudio() {
    std::lock_guard<std::mutex> guard(registryMutex);
    pulled.reset();
}

}  // namespace platform
