#include "OggFiles.h"

#include <cmath>
#include <numbers>

#include "OggWriter.h"
#include "sound/OggDecoder.h"
#include "sound/OggVorbisMemory.h"

namespace sound_testing {

std::vector<unsigned char> EncodeTone(const Tone& tone) {
    const auto frames = static_cast<std::size_t>(std::lround(tone.seconds * tone.rate));
    std::vector<float> samples(frames * static_cast<std::size_t>(tone.channels));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const double phase = 2.0 * std::numbers::pi * tone.frequency * static_cast<double>(frame) / tone.rate;
        const double value = tone.amplitude * (0.8 * std::sin(phase + 0.5) + 0.2 * std::sin(2.0 * phase));
        for (int channel = 0; channel < tone.channels; ++channel) {
            samples[frame * tone.channels + channel] = static_cast<float>(channel == 0 ? value : -value);
        }
    }
    return EncodeSamples(samples, tone.rate, tone.channels);
}

std::vector<unsigned char> EncodeSamples(const std::vector<float>& samples, int rate, int channels) {
    return assetgen::OggWriter::Encode(samples, rate, channels, 1);
}

std::vector<std::int16_t> DecodeWhole(const std::string& fileName) {
    auto memory = std::make_shared<Dix::OggVorbisMemory>(fileName.c_str());
    Dix::OggDecoder decoder(memory);
    std::vector<std::int16_t> samples;
    constexpr int kChunk = 65536;
    std::vector<std::int16_t> chunk(kChunk / sizeof(std::int16_t));
    bool ended = false;
    while (!ended) {
        int written = 0;
        if (!decoder.Read(chunk.data(), kChunk, &written, &ended)) {
            break;
        }
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + written / 2);
    }
    return samples;
}

}  // namespace sound_testing
