#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// Encodes samples as Ogg Vorbis with fixed settings and a given stream serial number, so the same samples
// always give the same file. Samples are in −1..1, interleaved when there is more than one channel; no
// samples give a stream with its headers and nothing to play. The sound tests encode their tones with it too.
class OggWriter {
public:
    static std::vector<std::uint8_t> Encode(const std::vector<float>& samples, int rate, int channels,
                                            int serial);
    static bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);
};

}  // namespace assetgen
