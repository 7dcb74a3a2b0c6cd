#include "platform/audio/AudioVoice.h"

namespace platform {

AudioVoice::AudioVoice(int channels, int blockAlign, std::uint32_t bytes, bool streamed, std::uint64_t step)
    : channels(channels),
      blockAlign(blockAlign),
      bytes(bytes),
      frames(bytes / static_cast<std::uint32_t>(blockAlign)),
      middle(frames / 2),
      streamed(streamed && frames >= 2),
      samples(new std::int16_t[bytes / sizeof(std::int16_t)]()),
      step(step) {}

bool AudioVoice::IsLocked(std::uint32_t frame) const {
    if (!locked) {
        return false;
    }
    const std::uint32_t distance = frame >= lockedFrom ? frame - lockedFrom : frame + frames - lockedFrom;
    return distance < lockedFrames;
}

float AudioVoice::SampleAt(std::uint32_t frame, int channel) const {
    if (IsLocked(frame)) {
        return 0.0f;
    }
    const std::int16_t* first = samples.get() + static_cast<std::size_t>(frame) * channels;
    return static_cast<float>(channels == 1 ? first[0] : first[channel]);
}

}  // namespace platform
