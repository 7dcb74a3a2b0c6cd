#include "platform/audio/AudioDevice.h"

#include <new>

#include "platform/audio/AudioBuffer.h"
#include "platform/audio/AudioOutput.h"

namespace platform {

namespace {

// Rates a sound may have: what a decoder can report and the mixer can step through.
constexpr std::uint32_t kLowestRate = 1000;
constexpr std::uint32_t kHighestRate = 384000;

bool IsPlayableFormat(const WAVEFORMATEX& format) {
    return format.wFormatTag == WAVE_FORMAT_PCM && format.wBitsPerSample == 16 && format.nChannels >= 1 &&
           format.nBlockAlign == format.nChannels * 2 && format.nSamplesPerSec >= kLowestRate &&
           format.nSamplesPerSec <= kHighestRate;
}

}  // namespace

HRESULT AudioDevice::Create(AudioDevice** device) {
    if (device == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *device = nullptr;
    std::shared_ptr<AudioOutput> output = GetAudioSink().Acquire();
    if (output == nullptr) {
        return DSERR_NODRIVER;
    }
    *device = new AudioDevice(std::move(output));
    return DS_OK;
}

AudioDevice::AudioDevice(std::shared_ptr<AudioOutput> output) : output(std::move(output)) {}

AudioDevice::~AudioDevice() = default;

std::uint32_t AudioDevice::AddRef() {
    return ++references;
}

std::uint32_t AudioDevice::Release() {
    const std::uint32_t left = --references;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT AudioDevice::SetCooperativeLevel(WindowId, std::uint32_t level) {
    return level == DSSCL_NORMAL || level == DSSCL_PRIORITY ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT AudioDevice::CreateSoundBuffer(const DSBUFFERDESC* description, AudioBuffer** buffer) {
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *buffer = nullptr;
    if (description == nullptr || description->lpwfxFormat == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    const WAVEFORMATEX& format = *description->lpwfxFormat;
    if (!IsPlayableFormat(format)) {
        return DSERR_BADFORMAT;
    }
    if (description->dwBufferBytes == 0 || description->dwBufferBytes % format.nBlockAlign != 0) {
        return DSERR_INVALIDPARAM;
    }
    const bool streamed = (description->dwFlags & DSBCAPS_CTRLPOSITIONNOTIFY) != 0;
    *buffer = new (std::nothrow) AudioBuffer(output, format, description->dwBufferBytes, streamed);
    return *buffer != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
}

}  // namespace platform
