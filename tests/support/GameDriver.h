#pragma once

#include <functional>
#include <memory>

#include "app/Application.h"
#include "game/Cues.h"
#include "game/Game.h"
#include "game/GameState.h"
#include "platform/audio/AudioMixer.h"
#include "platform/audio/AudioOutput.h"
#include "support/ScriptedKeyboard.h"
#include "support/ScriptedMessageQueue.h"
#include "support/SoftwareGraphics.h"
#include "support/TestClock.h"

namespace testing_support {

// The whole game, driven frame by frame the way the loop drives it: exact 1/61 s frames on a test clock,
// scripted keys, the software renderer, and the sound mixed into a mixer nobody pulls (so a cue that
// started stays playing and can be seen in its bank). The game's data comes from the build's data
// directories, beside the test program's own directory.
class GameDriver {
public:
    static constexpr double kFrameSeconds = 0.016393442;

    GameDriver();
    ~GameDriver();

    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    bool Initialize();
    // One frame: time passes, the timer ticks, the input is read, the game updates and (when draw is true)
    // renders; then afterFrame runs, when set.
    void Frame(double seconds = kFrameSeconds, bool draw = true);
    void Frames(int count);
    // Presses the key for one frame, then lets go of it for another.
    void Tap(int key);

    Yorun::CGame& Game() { return Yorun::GetGame(); }
    Yorun::CGameState& State() { return Yorun::GetGameState(); }
    int CueState(Yorun::CueSlot cue, int slotOffset = 0) {
        return State().cues[cue.bank].GetState(cue.slot + slotOffset);
    }

    TestClock clock{1'000'000, 0, 1000};
    ScriptedMessageQueue queue;
    ScriptedKeyboard keyboard;
    SoftwareGraphics graphics;
    std::shared_ptr<platform::AudioMixer> mixer;
    std::unique_ptr<platform::PulledAudio> audio;
    Corvane::CApplication application;
    bool initialized = false;
    // Runs after every frame: a benchmark pulls the frame's sound here.
    std::function<void()> afterFrame;
};

}  // namespace testing_support
