#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// Encodes mono samples as Ogg Vorbis with fixed settings and a fixed stream serial number, so the same
// samples always give the same file.
class OggWriter {
public:
    static std::vector<std::uint8_t> Encode(const std::vector<float>& samples, int rate, int serial);
    static bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);
};

}  // namespace assetgen
