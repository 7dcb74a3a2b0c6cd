#include "OggFiles.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <stdexcept>

#include "sound/OggDecoder.h"
#include "sound/OggVorbisMemory.h"

namespace sound_testing {

namespace {

void AppendPage(std::vector<unsigned char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

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
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.5f) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("vorbis encoder refuses the format");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::vector<unsigned char> out;
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) {
        AppendPage(out, page);
    }

    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    constexpr std::size_t kFramesPerTurn = 1024;
    std::size_t done = 0;
    bool finished = false;
    while (!finished) {
        const std::size_t count = std::min(kFramesPerTurn, frames - done);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** input = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (std::size_t frame = 0; frame < count; ++frame) {
                for (int channel = 0; channel < channels; ++channel) {
                    input[channel][frame] = samples[(done + frame) * channels + channel];
                }
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    AppendPage(out, page);
                    finished = finished || ogg_page_eos(&page) != 0;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "yorun-sound-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    path = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string TemporaryDirectory::Write(const std::string& name,
                                      const std::vector<unsigned char>& bytes) const {
    const std::string file = PathOf(name);
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TemporaryDirectory::PathOf(const std::string& name) const {
    return (path / name).string();
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
