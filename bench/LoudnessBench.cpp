// How loud the game is, as EBU R128 measures it (libebur128), printed and never asserted:
//  - a whole scripted game on each difficulty, from the title to the score screen and back, its sound pulled
//    from the real mixer frame by frame as the game makes it: integrated loudness, loudness range, true
//    peak and sample peak;
//  - each cue file alone, played once in a slot at the game's cue volume through the same mixer: integrated
//    loudness (over at least one 400 ms block, so a short cue counts with the silence after it) and true
//    peak.
// The sound is rendered offline, faster than it plays, so the streaming players are given a refill round
// after every frame instead of waiting for their threads.
#include <ebur128.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "game/CueFiles.h"
#include "game/GameState.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "platform/system/ExecutablePath.h"
#include "platform/system/Statistics.h"
#include "sound/SoundBank.h"
#include "sound/StreamPlayer.h"
#include "support/GameDriver.h"
#include "support/ReplayScript.h"

namespace {

constexpr int kRate = platform::AudioOutput::kRate;
constexpr int kChannels = platform::AudioMixer::kChannels;
constexpr double kFramesPerSecond = 61.0;
constexpr const char* kDifficulties[] = {"easy", "normal", "hard"};

// One EBU R128 meter over stereo 16-bit sound.
class Meter {
public:
    Meter()
        : state(ebur128_init(
              kChannels, kRate,
              EBUR128_MODE_I | EBUR128_MODE_LRA | EBUR128_MODE_TRUE_PEAK | EBUR128_MODE_SAMPLE_PEAK)) {}
    ~Meter() { ebur128_destroy(&state); }

    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;

    void Add(const std::vector<std::int16_t>& samples) {
        ebur128_add_frames_short(state, samples.data(), samples.size() / kChannels);
        frames += samples.size() / kChannels;
    }

    double Integrated() const {
        double loudness = -HUGE_VAL;
        ebur128_loudness_global(state, &loudness);
        return loudness;
    }
    double Range() const {
        double range = 0.0;
        ebur128_loudness_range(state, &range);
        return range;
    }
    // The higher of the two channels' peaks, in dBFS.
    double TruePeak() const { return Decibels(Peak(&ebur128_true_peak)); }
    double SamplePeak() const { return Decibels(Peak(&ebur128_sample_peak)); }
    double Seconds() const { return static_cast<double>(frames) / kRate; }

private:
    static double Decibels(double linear) { return linear > 0.0 ? 20.0 * std::log10(linear) : -HUGE_VAL; }

    double Peak(int (*read)(ebur128_state*, unsigned int, double*)) const {
        double highest = 0.0;
        for (unsigned int channel = 0; channel < kChannels; ++channel) {
            double peak = 0.0;
            read(state, channel, &peak);
            highest = std::max(highest, peak);
        }
        return highest;
    }

    ebur128_state* state;
    std::size_t frames = 0;
};

std::vector<std::int16_t> Pull(platform::AudioMixer& mixer, int frames) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * kChannels);
    mixer.Mix(samples.data(), frames);
    return samples;
}

void MeasureGame(int difficulty) {
    testing_support::GameDriver driver;
    if (!driver.Initialize()) {
        std::fprintf(stderr, "the game's data could not be loaded\n");
        std::exit(1);
    }
    Meter meter;
    const std::uint64_t underrunsBefore = platform::GetStatistics().underruns;
    // The frames of sound each frame of the game is worth, carried over so that none is lost to rounding.
    double owed = 0.0;
    driver.afterFrame = [&] {
        owed += kRate / kFramesPerSecond;
        const int frames = static_cast<int>(owed);
        owed -= frames;
        meter.Add(Pull(*driver.mixer, frames));
        for (Dix::SoundBank& bank : driver.State().cues) {
            bank.StreamAll();
        }
    };
    testing_support::PlayScriptedGame(driver, difficulty, false);
    driver.afterFrame = nullptr;
    std::printf(
        "%-7s game  %6.1f s  integrated %6.1f LUFS  range %5.1f LU  true peak %6.1f dBFS  "
        "sample peak %6.1f dBFS  underruns %llu\n",
        kDifficulties[difficulty], meter.Seconds(), meter.Integrated(), meter.Range(), meter.TruePeak(),
        meter.SamplePeak(),
        static_cast<unsigned long long>(platform::GetStatistics().underruns - underrunsBefore));
}

std::string SoundDirectory() {
    char path[1024];
    platform::GetExecutablePath(path, sizeof(path));
    std::string base = path;
    for (int level = 0; level < 2; ++level) {
        base = base.substr(0, base.rfind('/'));
    }
    return base + "/mato_snd/";
}

void MeasureCue(const Yorun::CueFile& cue, const std::string& directory) {
    auto mixer = std::make_shared<platform::AudioMixer>(kRate);
    platform::PulledAudio pulled(mixer);
    Dix::SoundBank bank;
    bank.Load((directory + cue.fileName).c_str(), 0);
    bank.SetVolume(0, Yorun::kCueVolume);
    Meter meter;
    bank.Play(false, 0);
    constexpr int kPeriod = 512;
    while (bank.GetState(0) == Dix::StreamPlayer::STATE_PLAYING || meter.Seconds() < 0.4) {
        meter.Add(Pull(*mixer, kPeriod));
        bank.StreamAll();
    }
    std::printf("  %-16s %5.2f s  integrated %6.1f LUFS  true peak %6.1f dBFS\n", cue.fileName,
                meter.Seconds(), meter.Integrated(), meter.TruePeak());
}

}  // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::printf("Whole scripted games, as the game mixes them:\n");
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        MeasureGame(difficulty);
    }
    std::printf("Each cue alone, at the game's cue volume:\n");
    const std::string directory = SoundDirectory();
    std::string previous;
    for (const Yorun::CueFile& cue : Yorun::kCueFiles) {
        if (previous != cue.fileName) {
            MeasureCue(cue, directory);
        }
        previous = cue.fileName;
    }
    return 0;
}
