#pragma once

#include <cstdint>

#include "game/FadeCurtain.h"
#include "game/ScoreScreen.h"
#include "game/TitleScene.h"
#include "game/VolumeControl.h"
#include "game/controls/BoundKeys.h"
#include "game/notes/HelpCard.h"
#include "game/notes/NoticeArt.h"
#include "game/notes/PauseControl.h"
#include "game/notes/RecordsScreen.h"
#include "game/notes/ScreenNotes.h"
#include "game/options/OptionsScreen.h"
#include "game/play/PlayScene.h"
#include "game/replay/Records.h"
#include "game/replay/ReplayPlayer.h"
#include "game/replay/ReplayRecorder.h"
#include "game/replay/ReplayWitness.h"

namespace Yorun {

class CGameState;

// The game: one object per scene and the five-scene machine that runs them, driven by the framework's
// four callbacks. The 3-2-1 countdown between the title and play lives here too.
class CGame {
public:
    CGame() = default;

    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    bool Initialize();
    void Release();
    void Update();
    void Render();
    void StartNewGame();
    // Plays a recorded game from the next update on; it returns to the title when it is over.
    void StartReplay(Replay replay);
    // Leaves a replay (or the score screen after one) for the title at once.
    void EndReplay();
    // Escape while a replay shows leaves the replay; otherwise it is the framework's (it quits).
    bool TakeEscape();
    // What a game takes over from the one before it, besides the generator.
    CarriedState CaptureCarried() const;
    void RestoreCarried(const CarriedState& carried);

    float countdownTime = 0.0f;
    std::int32_t countdownValue = 0;
    float countdownScale = 0.0f;
    CTitleScene titleScene;
    CPlayScene playScene;
    CScoreScreen scoreScreen;
    CGameState* state = nullptr;
    CFadeCurtain curtain;
    CReplayRecorder recorder;  // records every game as it is played
    CReplayPlayer player;      // plays a recorded game back
    CReplayWitness witness;    // what the replay being played did on the field
    CRecords records;          // the best games and the last one, kept between runs
    CVolumeControl volume;     // the master volume the player sets, and its indicator
    CBoundKeys boundKeys;      // which keys and pad controls press the game's keys, as the player set them
    // After a replay has played to the score screen, the updates that screen has shown.
    int afterReplayUpdates = -1;

    // What is added on top of the game; none of it in the classic game (--classic).
    bool classic = false;
    CNoticeArt art;
    CPauseControl pause;
    CHelpCard help;
    COptionsScreen options;
    CKeyCaps legendCaps;  // the play field's key caps, where the player's keys are called otherwise
    CScreenNotes notes;
    CRecordsScreen recordsScreen;
    bool newBest = false;            // the round just played beat its difficulty's record
    bool replayFromRecords = false;  // the replay showing was chosen on the records screen

private:
    void CountdownStep();
    void DrawCountdown();
    void ScoreStep();
    void UpdateScenes();
    void UpdateReplay();
    void FinishReplay();
    // The keys of what is added: pausing, the help card and the records screen. True when they took this
    // update, and the game's own is passed over.
    bool UpdateAdditions();
    void DrawAdditions();
    // The window and the picture as the options keep them.
    void ApplyDisplaySettings();
    // The play field's key caps that the player's keys relabel.
    void DrawLegend(CKeyLabels& labels);
    void WatchRecord(const CRecords::Entry& entry);
    // A replay file handed over while the game runs (dropped on the window, chosen in the page) plays at
    // once, whatever was showing; one that cannot be played is reported and the game goes on.
    void WatchHandedFile(const std::string& path);
    // A replay is over, whichever way: the records screen comes back if it was chosen there.
    void AfterReplay();
};

// The one game of the run.
CGame& GetGame();

}  // namespace Yorun
