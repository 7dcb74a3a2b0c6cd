#include "platform/audio/AudioBuffer.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"

namespace platform {

namespace {

// Whole frames of the ring, [begin, end).
struct FrameRange {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
};

// The whole frames that a region of `regionBytes` covers in a ring of `ringBytes` at `ring`; none for a
// region that does not start in the ring.
FrameRange FramesOf(const void* region, std::uint32_t regionBytes, const void* ring, std::uint32_t ringBytes,
                    std::uint32_t block) {
    const auto base = reinterpret_cast<std::uintptr_t>(ring);
    const auto at = reinterpret_cast<std::uintptr_t>(region);
    if (region == nullptr || at < base || at - base >= ringBytes) {
        return {};
    }
    const auto offset = static_cast<std::uint32_t>(at - base);
    const std::uint32_t end = offset + std::min(regionBytes, ringBytes - offset);
    return {(offset + block - 1) / block, end / block};
}

// Whether two ranges together leave no frame of [begin, end) out. A range locked across the end of the
// ring comes back as two regions, and a half may lie partly in each.
bool Covers(const FrameRange& first, const FrameRange& second, std::uint32_t begin, std::uint32_t end) {
    std::uint32_t reached = begin;
    for (int pass = 0; pass < 2; ++pass) {
        for (const FrameRange& range : {first, second}) {
            if (range.begin <= reached && reached < range.end) {
                reached = range.end;
            }
        }
    }
    return reached >= end;
}

}  // namespace

AudioBuffer::AudioBuffer(std::shared_ptr<AudioOutput> output, const WAVEFORMATEX& format, std::uint32_t bytes,
                         bool streamed)
    : output(std::move(output)),
      mixer(this->output->GetMixer()),
      voice(format.nChannels, format.nBlockAlign, bytes, streamed,
            (static_cast<std::uint64_t>(format.nSamplesPerSec) << 32) /
                static_cast<std::uint64_t>(mixer.GetRate())) {
    mixer.Attach(&voice);
}

AudioBuffer::~AudioBuffer() {
    mixer.Detach(&voice);
}

std::uint32_t AudioBuffer::AddRef() {
    return ++references;
}

std::uint32_t AudioBuffer::Release() {
    const std::uint32_t left = --references;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT AudioBuffer::Lock(std::uint32_t offset, std::uint32_t count, void** audioPtr1,
                          std::uint32_t* audioBytes1, void** audioPtr2, std::uint32_t* audioBytes2,
                          std::uint32_t flags) {
    if (audioPtr1 == nullptr || audioBytes1 == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    if (voice.locked) {
        return DSERR_INVALIDCALL;
    }
    if ((flags & DSBLOCK_ENTIREBUFFER) != 0) {
        offset = 0;
        count = voice.bytes;
    } else if ((flags & DSBLOCK_FROMWRITECURSOR) != 0) {
        offset = voice.position * static_cast<std::uint32_t>(voice.blockAlign);
    }
    if (offset >= voice.bytes || count == 0 || count > voice.bytes) {
        return DSERR_INVALIDPARAM;
    }
    // A range that crosses the end of the ring goes on from its start, and needs somewhere to say so.
    const std::uint32_t first = std::min(count, voice.bytes - offset);
    if (first < count && (audioPtr2 == nullptr || audioBytes2 == nullptr)) {
        return DSERR_INVALIDPARAM;
    }
    auto* base = reinterpret_cast<std::uint8_t*>(voice.samples.get());
    *audioPtr1 = base + offset;
    *audioBytes1 = first;
    if (audioPtr2 != nullptr) {
        *audioPtr2 = first < count ? base : nullptr;
    }
    if (audioBytes2 != nullptr) {
        *audioBytes2 = count - first;
    }
    const auto block = static_cast<std::uint32_t>(voice.blockAlign);
    voice.locked = true;
    voice.lockedFrom = offset / block;
    voice.lockedFrames = std::min(voice.frames, (offset % block + count + block - 1) / block);
    return DS_OK;
}

HRESULT AudioBuffer::Unlock(void* audioPtr1, std::uint32_t audioBytes1, void* audioPtr2,
                            std::uint32_t audioBytes2) {
    const auto block = static_cast<std::uint32_t>(voice.blockAlign);
    const FrameRange first = FramesOf(audioPtr1, audioBytes1, voice.samples.get(), voice.bytes, block);
    const FrameRange second = FramesOf(audioPtr2, audioBytes2, voice.samples.get(), voice.bytes, block);
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    if (!voice.locked) {
        return DSERR_INVALIDCALL;
    }
    voice.locked = false;
    // A half written only in part still holds old sound after the part: it stays as it was.
    if (Covers(first, second, 0, voice.middle)) {
        voice.fresh[0] = true;
    }
    if (Covers(first, second, voice.middle, voice.frames)) {
        voice.fresh[1] = true;
    }
    return DS_OK;
}

HRESULT AudioBuffer::Play(std::uint32_t, std::uint32_t, std::uint32_t flags) {
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    voice.playing = true;
    voice.looping = (flags & DSBPLAY_LOOPING) != 0;
    return DS_OK;
}

HRESULT AudioBuffer::Stop() {
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    voice.playing = false;
    return DS_OK;
}

HRESULT AudioBuffer::SetCurrentPosition(std::uint32_t newPosition) {
    if (newPosition >= voice.bytes) {
        return DSERR_INVALIDPARAM;
    }
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    voice.position = newPosition / static_cast<std::uint32_t>(voice.blockAlign);
    voice.fraction = 0;
    return DS_OK;
}

HRESULT AudioBuffer::GetCurrentPosition(std::uint32_t* currentPlayCursor, std::uint32_t* currentWriteCursor) {
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    const std::uint32_t at = voice.position * static_cast<std::uint32_t>(voice.blockAlign);
    if (currentPlayCursor != nullptr) {
        *currentPlayCursor = at;
    }
    if (currentWriteCursor != nullptr) {
        *currentWriteCursor = at;
    }
    return DS_OK;
}

HRESULT AudioBuffer::SetVolume(std::int32_t newVolume) {
    if (newVolume < DSBVOLUME_MIN || newVolume > DSBVOLUME_MAX) {
        return DSERR_INVALIDPARAM;
    }
    const float newGain = GainOfVolume(newVolume);
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    volume = newVolume;
    voice.gain = newGain;
    return DS_OK;
}

HRESULT AudioBuffer::GetVolume(std::int32_t* current) {
    if (current == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    *current = volume;
    return DS_OK;
}

bool AudioBuffer::IsPlaying() {
    const std::lock_guard<std::mutex> guard(mixer.GetLock());
    return voice.playing;
}

}  // namespace platform
