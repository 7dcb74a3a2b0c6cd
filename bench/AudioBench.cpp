// Audio figures with the mixer pulled directly, printed and never asserted:
//  - the delay from Play to the first non-silent output sample, in frames and milliseconds;
//  - the mixer's cost per second of output with all 17 of the game's cue slots playing at once;
//  - the streaming underruns of those 17 slots played through the SDL audio device for a few seconds of real
//    time (SDL_AUDIODRIVER=dummy takes the sound at the pace of a sound card).
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "OggFiles.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "platform/system/Statistics.h"
#include "sound/SoundBank.h"
#include "support/TemporaryDirectory.h"

namespace {

using Clock = std::chrono::steady_clock;
using sound_testing::EncodeTone;
using sound_testing::Tone;

constexpr int kPeriod = platform::AudioOutput::kPeriodFrames;

// The game's cue slots: bank and slot, as loaded at start-up.
struct Cue {
    int bank;
    int slot;
};
constexpr std::array<Cue, 17> kCues = {{{0, 0},
                                        {0, 1},
                                        {0, 2},
                                        {1, 0},
                                        {1, 1},
                                        {2, 0},
                                        {2, 1},
                                        {3, 0},
                                        {4, 0},
                                        {4, 1},
                                        {4, 2},
                                        {4, 3},
                                        {4, 5},
                                        {5, 0},
                                        {5, 1},
                                        {6, 0},
                                        {7, 0}}};

void MeasureLatency(int outputRate, const std::string& file) {
    auto mixer = std::make_shared<platform::AudioMixer>(outputRate);
    platform::PulledAudio pulled(mixer);
    Dix::SoundBank bank;
    bank.Load(file.c_str(), 0);
    std::vector<std::int16_t> period(kPeriod * 2);
    // Some silence first, so that the sound starts part-way through the output as it would in a game.
    for (int turn = 0; turn < 10; ++turn) {
        mixer->Mix(period.data(), kPeriod);
    }
    bank.Play(false, 0);
    long frames = 0;
    bool heard = false;
    while (!heard && frames < outputRate) {
        mixer->Mix(period.data(), kPeriod);
        for (int frame = 0; frame < kPeriod && !heard; ++frame) {
            if (period[frame * 2] != 0 || period[frame * 2 + 1] != 0) {
                heard = true;
            } else {
                ++frames;
            }
        }
    }
    std::printf(
        "latency at %d Hz: first non-silent sample %ld frames (%.2f ms) after Play; device period %d "
        "frames (%.2f ms)\n",
        outputRate, frames, 1000.0 * frames / outputRate, kPeriod, 1000.0 * kPeriod / outputRate);
    bank.ReleaseAll();
}

void MeasureMixing(int outputRate, const std::vector<std::string>& files) {
    auto mixer = std::make_shared<platform::AudioMixer>(outputRate);
    platform::PulledAudio pulled(mixer);
    std::array<Dix::SoundBank, 8> banks;
    for (std::size_t index = 0; index < kCues.size(); ++index) {
        const Cue cue = kCues[index];
        banks[cue.bank].Load(files[index % files.size()].c_str(), cue.slot);
        banks[cue.bank].SetVolume(cue.slot, -2000);
        banks[cue.bank].Play(true, cue.slot);
    }
    constexpr int kSeconds = 30;
    std::vector<std::int16_t> period(kPeriod * 2);
    Clock::duration spent{};
    long frames = 0;
    while (frames < static_cast<long>(kSeconds) * outputRate) {
        const Clock::time_point start = Clock::now();
        mixer->Mix(period.data(), kPeriod);
        spent += Clock::now() - start;
        frames += kPeriod;
    }
    const double seconds = std::chrono::duration<double>(spent).count();
    const double perSecond = seconds / (static_cast<double>(frames) / outputRate);
    int playing = 0;
    for (const Cue cue : kCues) {
        playing += banks[cue.bank].GetState(cue.slot) == Dix::StreamPlayer::STATE_PLAYING ? 1 : 0;
    }
    std::printf(
        "mixing at %d Hz, %d cue slots playing: %.3f ms per second of output (%.3f%% of one core), "
        "%.2f us per %d-frame period\n",
        outputRate, playing, perSecond * 1000.0, perSecond * 100.0,
        seconds * 1e6 / (static_cast<double>(frames) / kPeriod), kPeriod);
    for (Dix::SoundBank& bank : banks) {
        bank.ReleaseAll();
    }
}

// Here nothing pulls the mixer but the device, and the streaming threads refill the rings at their own pace:
// what a game sees. The mixer is the shared output's, as any code outside the platform layer reaches it.
void MeasureUnderruns(const std::vector<std::string>& files) {
    std::array<Dix::SoundBank, 8> banks;
    for (std::size_t index = 0; index < kCues.size(); ++index) {
        const Cue cue = kCues[index];
        banks[cue.bank].Load(files[index % files.size()].c_str(), cue.slot);
        banks[cue.bank].SetVolume(cue.slot, -2000);
    }
    if (platform::GetAudioSink().Acquire() == nullptr) {
        std::printf("underruns: no audio device could be opened\n");
        return;
    }
    const std::uint64_t before = platform::GetStatistics().underruns;
    for (const Cue cue : kCues) {
        banks[cue.bank].Play(true, cue.slot);
    }
    constexpr int kSeconds = 5;
    std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
    const std::uint64_t underruns = platform::GetStatistics().underruns - before;
    int playing = 0;
    for (const Cue cue : kCues) {
        playing += banks[cue.bank].GetState(cue.slot) == Dix::StreamPlayer::STATE_PLAYING ? 1 : 0;
    }
    std::printf("underruns through the audio device: %llu in %d s of real time, %d cue slots streaming\n",
                static_cast<unsigned long long>(underruns), kSeconds, playing);
    for (Dix::SoundBank& bank : banks) {
        bank.ReleaseAll();
    }
}

}  // namespace

int main() {
    testing_support::TemporaryDirectory directory;
    // Cue-like sounds: short and a few longer ones, mostly 44.1 kHz stereo, some 22.05 kHz mono.
    std::vector<std::string> files;
    const double lengths[] = {0.2, 0.35, 0.5, 0.8, 1.5, 2.5};
    for (int index = 0; index < 6; ++index) {
        const bool mono = index % 3 == 2;
        const Tone tone{.seconds = lengths[index],
                        .rate = mono ? 22050 : 44100,
                        .channels = mono ? 1 : 2,
                        .frequency = 220.0 * (index + 1)};
        files.push_back(directory.Write("cue" + std::to_string(index) + ".ogg", EncodeTone(tone)));
    }
    MeasureLatency(44100, files[0]);
    MeasureLatency(48000, files[0]);
    MeasureMixing(44100, files);
    MeasureMixing(48000, files);
    MeasureUnderruns(files);
    return 0;
}
