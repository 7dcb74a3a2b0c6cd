#pragma once

#include <vector>

namespace assetgen {

// Measures and masters a mono cue as EBU R128 hears it (libebur128), played on both speakers alike as the
// game plays it.

// The cue's loudness in LUFS at its loudest: the loudest 400 ms window, or the whole cue when it is shorter.
double LoudestMoment(const std::vector<float>& samples, int rate);
// The cue's true peak, between the samples as well as on them, in dB of full scale.
double TruePeak(const std::vector<float>& samples, int rate);
// Turns the cue down where its true peak would pass the ceiling, smoothly and just far enough (a
// look-ahead limiter), and leaves the rest as it is.
void LimitTruePeak(std::vector<float>& samples, int rate, double ceiling);

}  // namespace assetgen
