#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sound_testing {

// A tone encoded as Ogg Vorbis: a sine with a little of its octave, loud enough that no sample of its body
// rounds to silence.
struct Tone {
    double seconds = 1.0;
    int rate = 44100;
    int channels = 2;
    double frequency = 440.0;
    double amplitude = 0.5;
};

std::vector<unsigned char> EncodeTone(const Tone& tone);
// Interleaved samples in −1..1; no samples gives a stream with headers and nothing to play.
std::vector<unsigned char> EncodeSamples(const std::vector<float>& samples, int rate, int channels);

// A directory of its own under the system's temporary directory, removed with everything in it.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();

    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    // Writes the bytes to a file of that name in the directory and returns its path.
    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::string PathOf(const std::string& name) const;

private:
    std::filesystem::path path;
};

// Every sample of the file, decoded once from start to end.
std::vector<std::int16_t> DecodeWhole(const std::string& fileName);

}  // namespace sound_testing
