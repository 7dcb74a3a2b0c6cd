#include "PulledOutput.h"

namespace audio_testing {

using namespace platform;

WAVEFORMATEX Pcm16(int rate, int channels) {
    WAVEFORMATEX format;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<std::uint16_t>(channels);
    format.nSamplesPerSec = static_cast<std::uint32_t>(rate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<std::uint16_t>(2 * channels);
    format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
    return format;
}

PulledOutput::PulledOutput() : mixer(std::make_shared<AudioMixer>(kOutputRate)), pulled(mixer) {
    EXPECT_EQ(AudioDevice::Create(&device), DS_OK);
}

PulledOutput::~PulledOutput() {
    for (AudioBuffer* buffer : buffers) {
        buffer->Release();
    }
    if (device != nullptr) {
        device->Release();
    }
}

AudioBuffer* PulledOutput::MakeBuffer(int rate, int channels, std::uint32_t frames, std::uint32_t flags) {
    WAVEFORMATEX format = Pcm16(rate, channels);
    DSBUFFERDESC description;
    description.dwFlags = flags;
    description.dwBufferBytes = frames * format.nBlockAlign;
    description.lpwfxFormat = &format;
    AudioBuffer* buffer = nullptr;
    EXPECT_EQ(device->CreateSoundBuffer(&description, &buffer), DS_OK);
    buffers.push_back(buffer);
    return buffer;
}

std::vector<std::int16_t> PulledOutput::Pull(int frames) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2);
    mixer->Mix(out.data(), frames);
    return out;
}

std::uint32_t PulledOutput::PlayCursor(AudioBuffer* buffer) {
    std::uint32_t cursor = 0;
    buffer->GetCurrentPosition(&cursor, nullptr);
    return cursor;
}

}  // namespace audio_testing
