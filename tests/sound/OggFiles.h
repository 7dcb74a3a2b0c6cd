#pragma once

#include <cstdint>
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

// Every sample of the file, decoded once from start to end.
std::vector<std::int16_t> DecodeWhole(const std::string& fileName);

}  // namespace sound_testing
