#include <ebur128.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "GeneratedFiles.h"

namespace assets_test {
namespace {

struct CueSpec {
    const char* name;
    double seconds;
};

// Every cue the game plays, with the length it should last.
const CueSpec kCues[] = {
    {"fm015_a.ogg", 0.3}, {"cursor18.ogg", 0.4},    {"beep15.ogg", 0.2},  {"don11.ogg", 0.3},
    {"sh-bad.ogg", 0.4},  {"cursor15_a.ogg", 0.15}, {"bosu27.ogg", 0.6},  {"cursor00_a.ogg", 0.1},
    {"gun14_a.ogg", 0.5}, {"cursor07.ogg", 0.3},    {"swing41.ogg", 0.5}, {"encaunt.ogg", 1.5},
};

struct Decoded {
    bool ok = false;
    long rate = 0;
    int channels = 0;
    std::vector<short> samples;  // interleaved
};

Decoded Decode(const std::string& path) {
    Decoded out;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        return out;
    }
    const vorbis_info* info = ov_info(&file, -1);
    out.rate = info->rate;
    out.channels = info->channels;
    char buffer[4096];
    int section = 0;
    long got = 0;
    while ((got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
        const auto* pcm = reinterpret_cast<const short*>(buffer);
        out.samples.insert(out.samples.end(), pcm, pcm + got / 2);
    }
    out.ok = got == 0;
    ov_clear(&file);
    return out;
}

TEST(CueFiles, EveryCueDecodesAt44100WithItsLength) {
    for (const CueSpec& cue : kCues) {
        SCOPED_TRACE(cue.name);
        const Decoded decoded = Decode(CuePath(cue.name));
        ASSERT_TRUE(decoded.ok) << "does not decode";
        EXPECT_EQ(decoded.rate, 44100);
        ASSERT_GE(decoded.channels, 1);
        const double seconds = static_cast<double>(decoded.samples.size()) / decoded.channels / decoded.rate;
        EXPECT_NEAR(seconds, cue.seconds, cue.seconds * 0.25);
    }
}

// Heard, but with room left below full scale, no offset, and no click where it stops.
TEST(CueFiles, EveryCueIsAudibleUnclippedCentredAndEndsQuietly) {
    for (const CueSpec& cue : kCues) {
        SCOPED_TRACE(cue.name);
        const Decoded decoded = Decode(CuePath(cue.name));
        ASSERT_TRUE(decoded.ok);
        ASSERT_FALSE(decoded.samples.empty());
        int peak = 0;
        int atFullScale = 0;
        double sum = 0.0;
        double power = 0.0;
        for (short s : decoded.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            atFullScale += (s >= 32767 || s <= -32768) ? 1 : 0;
            sum += s;
            power += static_cast<double>(s) * s;
        }
        const double n = static_cast<double>(decoded.samples.size());
        EXPECT_EQ(atFullScale, 0);
        EXPECT_LT(peak, 32000);
        EXPECT_GT(peak, 6000) << "too quiet to hear over the game";
        EXPECT_GT(std::sqrt(power / n), 500.0);
        EXPECT_LT(std::abs(sum / n), 300.0) << "offset from zero";
        // The last 2 ms are faded out.
        const std::size_t tail = static_cast<std::size_t>(decoded.rate / 500) * decoded.channels;
        int tailPeak = 0;
        for (std::size_t i = decoded.samples.size() - tail; i < decoded.samples.size(); ++i) {
            tailPeak = std::max(tailPeak, std::abs(static_cast<int>(decoded.samples[i])));
        }
        EXPECT_LT(tailPeak, 1200) << "ends with a click";
    }
}

// Played at one volume, the cues sit together: their loudest moments (EBU R128, the loudest 400 ms or the
// whole of a shorter cue) lie within a few LU of each other, and no true peak, between the samples
// included, passes −1 dBFS once decoded.
TEST(CueFiles, CuesAreLevelledAgainstEachOtherWithRoomBelowFullScale) {
    double loudest = -HUGE_VAL;
    double softest = HUGE_VAL;
    for (const CueSpec& cue : kCues) {
        SCOPED_TRACE(cue.name);
        const Decoded decoded = Decode(CuePath(cue.name));
        ASSERT_TRUE(decoded.ok);
        ASSERT_EQ(decoded.channels, 1);
        ebur128_state* meter = ebur128_init(1, static_cast<unsigned long>(decoded.rate),
                                            EBUR128_MODE_M | EBUR128_MODE_TRUE_PEAK);
        ebur128_set_channel(meter, 0, EBUR128_DUAL_MONO);
        const std::size_t step = static_cast<std::size_t>(decoded.rate / 100);
        const unsigned long window = std::min<unsigned long>(
            400, static_cast<unsigned long>(decoded.samples.size() * 1000 / decoded.rate));
        double moment = -HUGE_VAL;
        for (std::size_t at = 0; at < decoded.samples.size(); at += step) {
            const std::size_t count = std::min(step, decoded.samples.size() - at);
            ebur128_add_frames_short(meter, decoded.samples.data() + at, count);
            double loudness = -HUGE_VAL;
            if ((at + count) * 1000 >= window * static_cast<std::size_t>(decoded.rate) &&
                ebur128_loudness_window(meter, window, &loudness) == EBUR128_SUCCESS) {
                moment = std::max(moment, loudness);
            }
        }
        double peak = 0.0;
        ebur128_true_peak(meter, 0, &peak);
        ebur128_destroy(&meter);
        EXPECT_LE(20.0 * std::log10(peak), -1.0);
        loudest = std::max(loudest, moment);
        softest = std::min(softest, moment);
    }
    EXPECT_LT(loudest - softest, 4.0);
    // Near the level they are mastered to, so that the game's master level brings a game to its loudness.
    EXPECT_GT(softest, -20.0);
    EXPECT_LT(loudest, -12.0);
}

}  // namespace
}  // namespace assets_test
