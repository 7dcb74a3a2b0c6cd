#pragma once

#include <string>
#include <vector>

namespace assetgen {

// The game's sound cues: each synthesised from tones and filtered noise, levelled against the others,
// and written as mono 44.1 kHz Ogg Vorbis.
class CueSet {
public:
    struct Cue {
        std::string name;
        std::vector<float> samples;
    };

    static std::vector<Cue> Synthesise();
    static bool WriteAll(const std::string& directory, std::string& error);
};

}  // namespace assetgen
