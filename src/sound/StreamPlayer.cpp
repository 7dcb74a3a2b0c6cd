#include "sound/StreamPlayer.h"

namespace Dix {

using platform::AudioBuffer;
using platform::DSBLOCK_ENTIREBUFFER;
using platform::DSBPLAY_LOOPING;
using platform::Succeeded;

StreamPlayer::StreamPlayer() = default;

StreamPlayer::~StreamPlayer() {
    JoinThread();
    buffer.reset();
    device.reset();
    decoder.reset();
}

void StreamPlayer::SetDevice(const Com_ptr<platform::AudioDevice>& newDevice) {
    std::lock_guard<std::mutex> guard(mutex);
    device = newDevice;
}

bool StreamPlayer::Open(const sp<PCMDecoder>& source) {
    std::unique_lock<std::mutex> lock(mutex);
    if (!device) {
        ready = false;
        return false;
    }
    if (source == nullptr || !source->IsReady()) {
        ready = false;
        return false;
    }
    state = STATE_STOPPED;
    const platform::WAVEFORMATEX previousFormat = format;
    format = platform::WAVEFORMATEX{};
    source->GetWaveFormat(format);
    bufferDesc = platform::DSBUFFERDESC{};
    bufferDesc.dwSize = kDescSize;
    bufferDesc.dwFlags = kBufferFlags;
    bufferDesc.dwBufferBytes = format.nAvgBytesPerSec * kBufferSeconds;
    bufferDesc.dwReserved = 0;
    bufferDesc.lpwfxFormat = &format;
    decoder = source->Clone();
    // A buffer left from an earlier open is stopped, as the player now is, and reused only when it holds
    // sound of the same shape: another rate or channel count would play at the wrong speed.
    if (buffer) {
        buffer->Stop();
        if (previousFormat.nSamplesPerSec != format.nSamplesPerSec ||
            previousFormat.nChannels != format.nChannels ||
            buffer->GetBufferBytes() != bufferDesc.dwBufferBytes) {
            buffer.reset();
        }
    }
    if (decoder == nullptr || !decoder->IsReady() || (!buffer && !CreateBufferLocked())) {
        lock.unlock();
        Close();
        return false;
    }
    // A ring that cannot be filled is closed like any other failure, not left half open.
    if (!RewindLocked()) {
        lock.unlock();
        Close();
        return false;
    }
    // Without its streaming the ring would play its first second round and round: not open.
    if (!streaming.IsRunning() && !streaming.Start([this] { StreamRound(); }, kPollInterval)) {
        lock.unlock();
        Close();
        return false;
    }
    ready = true;
    return true;
}

bool StreamPlayer::CreateBufferLocked() {
    AudioBuffer* created = nullptr;
    if (!Succeeded(device->CreateSoundBuffer(&bufferDesc, &created))) {
        return false;
    }
    buffer = Com_ptr<AudioBuffer>(created);
    return true;
}

bool StreamPlayer::Play(bool playLoop) {
    std::lock_guard<std::mutex> guard(mutex);
    if (!ready) {
        return false;
    }
    loop = playLoop;
    // At rest the ring holds the start of the sound as the last loop choice read it; a short sound read
    // without looping is followed by silence there, so a change of choice reads the ring again.
    if (state != STATE_PLAYING && decoder->GetLoop() != loop) {
        decoder->SetLoop(loop);
        RewindLocked();
    }
    decoder->SetLoop(loop);
    // From rest the ring holds the sound from its start and the play position is at the start of the ring
    // (Open and Stop rewind), so the streaming task starts over too, even when it never saw the stop.
    // A player that is already playing keeps its place: its tracking describes what the ring holds.
    if (state != STATE_PLAYING) {
        tracking = Tracking{};
    }
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    state = STATE_PLAYING;
    return true;
}

void StreamPlayer::Stop() {
    std::lock_guard<std::mutex> guard(mutex);
    if (!ready) {
        return;
    }
    state = STATE_STOPPED;
    buffer->Stop();
    RewindLocked();
}

bool StreamPlayer::Rewind() {
    std::lock_guard<std::mutex> guard(mutex);
    return RewindLocked();
}

bool StreamPlayer::RewindLocked() {
    if (decoder == nullptr || !buffer) {
        return false;
    }
    decoder->Rewind();
    buffer->SetCurrentPosition(0);
    void* region = nullptr;
    std::uint32_t regionBytes = 0;
    if (!Succeeded(buffer->Lock(0, 0, &region, &regionBytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER))) {
        return false;
    }
    decoder->Read(region, static_cast<int>(regionBytes), nullptr, nullptr);
    buffer->Unlock(region, regionBytes, nullptr, 0);
    return true;
}

void StreamPlayer::SetVolume(int volume) {
    std::lock_guard<std::mutex> guard(mutex);
    if (ready) {
        buffer->SetVolume(volume);
    }
}

void StreamPlayer::Close() {
    JoinThread();
    std::lock_guard<std::mutex> guard(mutex);
    format = platform::WAVEFORMATEX{};
    bufferDesc = platform::DSBUFFERDESC{};
    if (buffer) {
        buffer->Stop();
    }
    buffer.reset();
    ready = false;
    state = STATE_CLOSED;
}

void StreamPlayer::JoinThread() {
    streaming.Stop();
}

void StreamPlayer::StreamRound() {
    std::lock_guard<std::mutex> guard(mutex);
    StreamRoundLocked();
}

std::uint32_t StreamPlayer::FirstHalfBytes() const {
    // Halves end on whole frames, or a refill would split a frame between two channels.
    const std::uint32_t half = bufferDesc.dwBufferBytes / 2;
    const std::uint32_t block = format.nBlockAlign != 0 ? format.nBlockAlign : 1;
    return half - half % block;
}

std::uint32_t StreamPlayer::PlayCursor() const {
    std::uint32_t cursor = 0;
    buffer->GetCurrentPosition(&cursor, nullptr);
    return cursor;
}

void StreamPlayer::StreamRoundLocked() {
    if (!buffer) {
        return;
    }
    const std::uint32_t half = FirstHalfBytes();
    if (state == STATE_STOPPED) {
        tracking = Tracking{};
    }
    if (state == STATE_PLAYING) {
        const std::uint32_t pos = PlayCursor();
        if (tracking.fillHalf == 0 && pos >= half) {
            RefillLocked(0, half);
        } else if (tracking.fillHalf == 1 && pos < half) {
            RefillLocked(half, bufferDesc.dwBufferBytes - half);
        }
    }
    if (tracking.ended) {
        const std::uint32_t cur = PlayCursor();
        const std::uint32_t prevPos = tracking.prevPos;
        const std::uint32_t endPos = tracking.endPos;
        const bool passed =
            cur >= prevPos ? prevPos <= endPos && endPos <= cur : endPos >= prevPos || endPos <= cur;
        if (passed && ready) {
            state = STATE_STOPPED;
            buffer->Stop();
            RewindLocked();
        }
        tracking.prevPos = cur;
    }
}

void StreamPlayer::RefillLocked(std::uint32_t offset, std::uint32_t bytes) {
    void* region = nullptr;
    std::uint32_t regionBytes = 0;
    if (!Succeeded(buffer->Lock(offset, bytes, &region, &regionBytes, nullptr, nullptr, 0))) {
        return;
    }
    int written = 0;
    bool ended = false;
    decoder->Read(region, static_cast<int>(regionBytes), &written, &ended);
    buffer->Unlock(region, regionBytes, nullptr, 0);
    tracking.fillHalf = offset == 0 ? 1 : 0;
    // Once the sound has ended it stays ended until the next start, whatever a later read says.
    tracking.ended = tracking.ended || ended;
    if (tracking.ended && !tracking.endNoted) {
        tracking.endPos = offset + static_cast<std::uint32_t>(written);
        tracking.prevPos = PlayCursor();
        tracking.endNoted = true;
    }
}

}  // namespace Dix
