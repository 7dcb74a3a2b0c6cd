#include "CueSet.h"

#include "OggWriter.h"
#include "Random.h"
#include "Synth.h"

namespace assetgen {

namespace {

using Wave = Synth::Wave;
using Envelope = Synth::Envelope;

// The loudness every cue's loudest moment is levelled to (LUFS, heard from both speakers), and the true
// peak none may pass (dBFS, with room for the encoder's own overshoot). The game plays them all at the same
// volume, so this is what makes them sit together; a cue that should stand out or back is a few dB off it.
constexpr double kLoudness = -16.0;
constexpr double kPeak = -1.5;

// Bow release: the string's twang, a plucked low note with bright partials, under a short whoosh.
std::vector<float> BowRelease() {
    Synth s(0.3F);
    Random random(101);
    const float partials[4] = {1.0F, 2.0F, 3.0F, 4.1F};
    const float gains[4] = {0.7F, 0.45F, 0.25F, 0.15F};
    for (int i = 0; i < 4; ++i) {
        s.Tone(0.0F, 0.3F, 150.0F * partials[i], 132.0F * partials[i], gains[i],
               Envelope{0.001F, 0.07F / (1 + i * 0.5F)}, Wave::Triangle);
    }
    s.Noise(0.01F, 0.28F, 2600.0F, 700.0F, 1.2F, 0.9F, Envelope{0.03F, 0.07F}, random);
    s.Finish(kLoudness, kPeak);
    return s.Samples();
}

// The stock has run out: two bell-like notes, a fourth apart and falling.
std::vector<float> StockChime() {
    Synth s(0.4F);
    const float notes[2] = {1568.0F, 1175.0F};
    for (int i = 0; i < 2; ++i) {
        const float start = i * 0.14F;
        s.Tone(start, 0.4F - start, notes[i], notes[i], 0.6F, Envelope{0.003F, 0.11F});
        s.Tone(start, 0.4F - start, notes[i] * 2.76F, notes[i] * 2.76F, 0.12F, Envelope{0.002F, 0.04F});
    }
    s.Finish(kLoudness - 0.9, kPeak);
    return s.Samples();
}

// Empty quiver: a dull, short low beep.
std::vector<float> EmptyBeep() {
    Synth s(0.2F);
    s.Tone(0.0F, 0.2F, 196.0F, 190.0F, 0.7F, Envelope{0.004F, 0.5F, 0.12F}, Wave::Triangle);
    s.Tone(0.0F, 0.2F, 392.0F, 380.0F, 0.12F, Envelope{0.004F, 0.5F, 0.12F});
    s.Finish(kLoudness, kPeak);
    return s.Samples();
}

// Hit: a wooden thock, a quickly falling knock with a short hollow ring and a click.
std::vector<float> WoodHit() {
    Synth s(0.3F);
    Random random(104);
    s.Tone(0.0F, 0.3F, 260.0F, 150.0F, 0.8F, Envelope{0.001F, 0.045F});
    s.Tone(0.0F, 0.3F, 720.0F, 640.0F, 0.35F, Envelope{0.0005F, 0.025F});
    s.Noise(0.0F, 0.05F, 2400.0F, 1600.0F, 2.0F, 1.2F, Envelope{0.0005F, 0.008F}, random);
    s.Finish(kLoudness + 0.8, kPeak);
    return s.Samples();
}

// Wrong colour: a low, rough buzz of two detuned saws.
std::vector<float> WrongBuzz() {
    Synth s(0.4F);
    s.Tone(0.0F, 0.4F, 92.0F, 86.0F, 0.4F, Envelope{0.01F, 0.12F, 0.18F}, Wave::Saw);
    s.Tone(0.0F, 0.4F, 97.0F, 90.0F, 0.4F, Envelope{0.01F, 0.12F, 0.18F}, Wave::Saw);
    s.Tone(0.0F, 0.4F, 46.0F, 44.0F, 0.3F, Envelope{0.01F, 0.12F, 0.18F});
    s.Finish(kLoudness - 0.9, kPeak);
    return s.Samples();
}

// Countdown tick: a short woodblock-like tock.
std::vector<float> Tick() {
    Synth s(0.15F);
    Random random(106);
    s.Tone(0.0F, 0.15F, 1250.0F, 1180.0F, 0.7F, Envelope{0.0008F, 0.025F});
    s.Noise(0.0F, 0.02F, 4000.0F, 3000.0F, 1.5F, 0.6F, Envelope{0.0005F, 0.004F}, random);
    s.Finish(kLoudness, kPeak);
    return s.Samples();
}

// Score burst: a soft low boom with sparkles scattered over its tail.
std::vector<float> BurstBoom() {
    Synth s(0.6F);
    Random random(107);
    s.Tone(0.0F, 0.6F, 110.0F, 42.0F, 0.8F, Envelope{0.006F, 0.16F});
    s.Noise(0.0F, 0.4F, 300.0F, 120.0F, 0.8F, 0.5F, Envelope{0.004F, 0.08F}, random);
    for (int i = 0; i < 9; ++i) {
        const float start = 0.04F + i * 0.05F + random.Range(0.0F, 0.02F);
        const float pitch = random.Range(2800.0F, 5200.0F);
        s.Tone(start, 0.6F - start, pitch, pitch, 0.12F * (1.0F - i * 0.07F), Envelope{0.001F, 0.03F});
    }
    s.Finish(kLoudness, kPeak);
    return s.Samples();
}

// Menu cursor: a tiny upward blip.
std::vector<float> CursorBlip() {
    Synth s(0.1F);
    s.Tone(0.0F, 0.1F, 880.0F, 1320.0F, 0.6F, Envelope{0.001F, 0.03F, 0.01F}, Wave::Triangle);
    s.Finish(kLoudness - 1.4, kPeak);
    return s.Samples();
}

// Start of play: a starter's pistol, a sharp crack with a short outdoor echo.
std::vector<float> StarterShot() {
    Synth s(0.5F);
    Random random(109);
    s.Noise(0.0F, 0.5F, 2500.0F, 900.0F, 0.6F, 1.0F, Envelope{0.0005F, 0.03F}, random);
    s.Noise(0.0F, 0.5F, 700.0F, 250.0F, 0.7F, 0.5F, Envelope{0.002F, 0.13F}, random);
    s.Tone(0.0F, 0.3F, 90.0F, 50.0F, 0.6F, Envelope{0.001F, 0.05F});
    s.Noise(0.09F, 0.4F, 1200.0F, 500.0F, 0.8F, 0.25F, Envelope{0.004F, 0.09F}, random);
    s.Finish(kLoudness + 0.8, kPeak);
    return s.Samples();
}

// Confirm: three quick notes rising through a major chord.
std::vector<float> ConfirmChime() {
    Synth s(0.3F);
    const float notes[3] = {1047.0F, 1319.0F, 1568.0F};
    for (int i = 0; i < 3; ++i) {
        const float start = i * 0.055F;
        s.Tone(start, 0.3F - start, notes[i], notes[i], 0.5F, Envelope{0.002F, 0.07F + i * 0.02F});
        s.Tone(start, 0.3F - start, notes[i] * 2.0F, notes[i] * 2.0F, 0.12F, Envelope{0.002F, 0.04F});
    }
    s.Finish(kLoudness, kPeak);
    return s.Samples();
}

// Score zoom: a swish that swells and passes over the half second of the zoom.
std::vector<float> Swish() {
    Synth s(0.5F);
    Random random(111);
    // Rising attack, then a fall: the envelope peaks about 0.3 s in.
    s.Noise(0.0F, 0.5F, 500.0F, 4200.0F, 2.0F, 1.0F, Envelope{0.3F, 0.07F}, random);
    s.Noise(0.0F, 0.5F, 300.0F, 1800.0F, 1.0F, 0.5F, Envelope{0.28F, 0.08F}, random);
    s.Finish(kLoudness - 0.9, kPeak);
    return s.Samples();
}

// Time up: a gong, inharmonic partials ringing out under a soft mallet strike.
std::vector<float> Gong() {
    Synth s(1.5F);
    Random random(112);
    const float ratios[6] = {1.0F, 1.52F, 2.0F, 2.41F, 2.93F, 3.6F};
    const float gains[6] = {0.6F, 0.4F, 0.3F, 0.22F, 0.16F, 0.1F};
    for (int i = 0; i < 6; ++i) {
        const float f = 130.0F * ratios[i];
        s.Tone(0.0F, 1.5F, f * 1.01F, f, gains[i], Envelope{0.004F, 0.55F - i * 0.06F});
    }
    s.Noise(0.0F, 0.1F, 900.0F, 400.0F, 0.8F, 0.4F, Envelope{0.001F, 0.015F}, random);
    s.Finish(kLoudness + 0.8, kPeak);
    return s.Samples();
}

}  // namespace

std::vector<CueSet::Cue> CueSet::Synthesise() {
    return {
        {"fm015_a.ogg", BowRelease()},    {"cursor18.ogg", StockChime()},   {"beep15.ogg", EmptyBeep()},
        {"don11.ogg", WoodHit()},         {"sh-bad.ogg", WrongBuzz()},      {"cursor15_a.ogg", Tick()},
        {"bosu27.ogg", BurstBoom()},      {"cursor00_a.ogg", CursorBlip()}, {"gun14_a.ogg", StarterShot()},
        {"cursor07.ogg", ConfirmChime()}, {"swing41.ogg", Swish()},         {"encaunt.ogg", Gong()},
    };
}

bool CueSet::WriteAll(const std::string& directory, std::string& error) {
    int serial = 0x59520000;  // fixed serial numbers, one per file, so every build writes the same bytes
    for (const Cue& cue : Synthesise()) {
        const auto bytes = OggWriter::Encode(cue.samples, Synth::kRate, 1, serial++);
        if (!OggWriter::Write(directory + "/" + cue.name, bytes, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace assetgen
