#include "game/Game.h"

#include <cstdio>
#include <utility>

#include "app/Application.h"
#include "base/DeviceHandles.h"
#include "base/ErrorReport.h"
#include "base/PrintableText.h"
#include "game/Cues.h"
#include "game/GameOptions.h"
#include "game/GameState.h"
#include "game/Keys.h"
#include "game/Screen.h"
#include "game/play/XorShift128.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/TouchControls.h"
#include "platform/system/ErrorOutput.h"
#include "platform/system/HandedFiles.h"
#include "platform/system/Suspension.h"
#include "platform/video/Device.h"
#include "platform/video/Window.h"

namespace Yorun {

namespace {

constexpr float kCountdownStartScale = 1.5f;
constexpr float kCountdownGrowth = 0.2f;
// The digit the countdown shows first is the one after this.
constexpr std::int32_t kCountdownStart = 4;
// After a replay the score screen shows for six seconds, long enough for its number to land, and then
// the title comes back by itself.
constexpr int kAfterReplayUpdates = 366;

// Updates between target launches, on average a little over a 2.5th of this, by difficulty.
int LaunchIntervalOf(int difficulty) {
    switch (difficulty) {
        case DIFFICULTY_EASY:
            return 220;
        case DIFFICULTY_NORMAL:
            return 180;
        case DIFFICULTY_HARD:
            return 150;
        default:
            return -1;
    }
}

}  // namespace

CGame& GetGame() {
    static CGame game;
    return game;
}

bool CGame::Initialize() {
    state = &GetGameState();
    // Set directly, not as a scene change: nothing reacts to entering the first scene.
    state->scene = SCENE_TITLE;
    state->LoadResources();
    recorder.Initialize();
    classic = GetGameOptions().classic;
    records.Open(GetGameOptions().save && !classic);
    titleScene.records = &records;
    titleScene.answersClicks = !classic;
    if (!(titleScene.Initialize() && curtain.Initialize() && playScene.Initialize() &&
          scoreScreen.Initialize())) {
        return false;
    }
    volume.Initialize(GetGameOptions().save, classic);
    if (!classic && Corvane::g_pInput != nullptr) {
        boundKeys.Use(volume.settings.bindings);
        Corvane::g_pInput->SetKeyMap(&boundKeys);
    }
    if (!classic) {
        ApplyDisplaySettings();
    }
    if (!classic) {
        // A picture of these missing has been reported by its loader; the game plays on without it.
        art.Load();
        help.Initialize();
        legendCaps.Load();
    }
    return true;
}

void CGame::ApplyDisplaySettings() {
    // What the options chose is added to what the command line asked for.
    platform::Window* window = MainWindow();
    if (volume.settings.fullScreen && window != nullptr && !window->IsFullscreen()) {
        window->SetFullscreen(true);
    }
    if (volume.settings.integerScale && Corvane::g_pDevice != nullptr) {
        Corvane::g_pDevice->SetIntegerScale(true);
    }
}

void CGame::Release() {
    if (Corvane::g_pInput != nullptr) {
        Corvane::g_pInput->SetKeyMap(nullptr);
    }
    // The last game's save finishes before the program ends.
    records.Finish();
    if (state != nullptr) {
        state->ReleaseResources();
    }
    titleScene.Release();
    playScene.Release();
    scoreScreen.Release();
    volume.Release();
    pause.Release();
    art.Release();
    help.Release();
    legendCaps.Release();
}

void CGame::Update() {
    records.Collect();
    // The classic game watches no replay handed to it.
    std::string handed;
    if (platform::TakeHandedFile(handed) && !classic) {
        WatchHandedFile(handed);
    }
    volume.Update();
    if (!classic && boundKeys.TakeFullScreen()) {
        if (platform::Window* window = MainWindow()) {
            window->SetFullscreen(!window->IsFullscreen());
        }
    }
    // The page lays its touch controls out for the hand the settings name.
    platform::GetTouchControls().SetLeftHanded(volume.settings.leftHanded);
    if (!classic && UpdateAdditions()) {
        return;
    }
    if (player.IsPlaying()) {
        UpdateReplay();
        return;
    }
    recorder.AddFrame();
    UpdateScenes();
    // The score screen has come up: the game is over, and whole.
    if (recorder.IsRecording() && state->scene == SCENE_SCORE) {
        recorder.Finish(state->score, state->maxScore);
        if (recorder.HasFinished()) {
            const Replay& game = recorder.Finished();
            newBest = records.IsOpen() && game.maxScore > 0 && game.maxScore > records.Best(game.difficulty);
            records.Offer(game);
        }
    }
    if (afterReplayUpdates >= 0) {
        afterReplayUpdates += 1;
        // Enter has left the score screen as after any game; otherwise the title comes back by itself.
        if (state->scene != SCENE_SCORE) {
            afterReplayUpdates = -1;
            AfterReplay();
        } else if (afterReplayUpdates >= kAfterReplayUpdates) {
            EndReplay();
        }
    }
}

void CGame::UpdateReplay() {
    witness.Observe(*state, playScene.targets);
    const bool first = player.AtFirstFrame();
    player.ApplyNextFrame();
    if (first) {
        // The recorded game begins with the update that confirmed its difficulty, as the title's menu would.
        state->difficulty = player.Playing().difficulty;
        state->SetScene(SCENE_COUNTDOWN);
        StartNewGame();
        state->EndUpdate();
    } else {
        UpdateScenes();
    }
    if (!player.HasFramesLeft()) {
        FinishReplay();
    }
}

void CGame::FinishReplay() {
    const Replay& replay = player.Playing();
    if (state->score != replay.score || state->maxScore != replay.maxScore) {
        platform::PrintError(
            "the replay ended with a best score of %d, not %d as recorded (by version %s): "
            "this version plays its keys differently",
            static_cast<int>(state->maxScore), static_cast<int>(replay.maxScore),
            Corvane::PrintableText(replay.programVersion).c_str());
    }
    // How the replay went, on standard output: another system (the browser's build) that plays the same
    // file must print the same line.
    if (!classic) {
        std::printf("replay played: score %d, best %d, targets %016llx over %d seconds\n",
                    static_cast<int>(state->score), static_cast<int>(state->maxScore),
                    static_cast<unsigned long long>(witness.Digest()), witness.Seconds());
        std::fflush(stdout);
    }
    RestoreCarried(player.Stop());
    afterReplayUpdates = 0;
}

void CGame::StartReplay(Replay replay) {
    recorder.Abandon();
    const CarriedState live = CaptureCarried();
    RestoreCarried(replay.carried);
    player.Start(std::move(replay), live);
    witness.Begin();
}

void CGame::EndReplay() {
    if (player.IsPlaying()) {
        RestoreCarried(player.Stop());
    }
    afterReplayUpdates = -1;
    state->StopAllCues();
    titleScene.ResetMenu();
    // Set directly, not as a scene change: a change would read as the title confirming a new game.
    state->scene = SCENE_TITLE;
    AfterReplay();
}

void CGame::AfterReplay() {
    pause.Release();
    if (replayFromRecords) {
        replayFromRecords = false;
        recordsScreen.Reopen();
    }
}

bool CGame::UpdateAdditions() {
    const bool focused = Corvane::g_pApplication == nullptr || Corvane::g_pApplication->IsActive();
    // The system held the whole program meanwhile (a hidden page): a game in play waits for the player.
    const bool held = platform::TakeSuspension();
    // The options take every update while they are up, over a paused game too.
    if (options.IsOpen()) {
        options.Update(volume, boundKeys);
        return true;
    }
    if (pause.Update(state->scene == SCENE_PLAY, focused, volume.settings.pauseOnFocusLoss, held)) {
        if (pause.IsPaused() && KeyNewlyPressed(platform::DIK_O)) {
            options.Open();
        }
        return true;
    }
    if (state->scene != SCENE_TITLE || player.IsPlaying()) {
        return false;
    }
    if (help.IsOpen()) {
        help.Update(volume);
        return true;
    }
    if (recordsScreen.IsOpen()) {
        if (const CRecords::Entry* chosen = recordsScreen.Update(records)) {
            WatchRecord(*chosen);
        }
        return true;
    }
    CKeyLabels labels(boundKeys);
    int x = 0;
    int y = 0;
    const CScreenNotes::TitleLink link = PointerClicked() && PointerAt(x, y)
                                             ? notes.TitleLinkAt(art, labels, ByTouch(), x, y)
                                             : CScreenNotes::TitleLink::None;
    if (KeyNewlyPressed(platform::DIK_F1) || link == CScreenNotes::TitleLink::Help) {
        help.Open();
        return true;
    }
    if (KeyNewlyPressed(platform::DIK_O) || link == CScreenNotes::TitleLink::Options) {
        options.Open();
        return true;
    }
    if (KeyNewlyPressed(platform::DIK_R) || link == CScreenNotes::TitleLink::Records) {
        // Another copy of the game may have kept games since this one last looked.
        records.Refresh();
        recordsScreen.Open(state->difficulty);
        return true;
    }
    return false;
}

void CGame::WatchRecord(const CRecords::Entry& entry) {
    Replay replay;
    std::string error;
    if (!CRecords::LoadEntry(entry, replay, error)) {
        Corvane::ReportError("%s", error.c_str());
        return;
    }
    recordsScreen.Close();
    replayFromRecords = true;
    StartReplay(std::move(replay));
}

void CGame::WatchHandedFile(const std::string& path) {
    Replay replay;
    std::string error;
    if (!records.Load(path, replay, error)) {
        Corvane::ReportError("%s", error.c_str());
        return;
    }
    help.Close();
    recordsScreen.Close();
    options.Close();
    replayFromRecords = false;
    if (player.IsPlaying() || afterReplayUpdates >= 0) {
        EndReplay();
    }
    pause.Release();
    StartReplay(std::move(replay));
}

void CGame::DrawAdditions() {
    CKeyLabels labels(boundKeys);
    switch (state->scene) {
        case SCENE_TITLE:
            if (help.IsOpen()) {
                help.Draw(art, volume.settings.pauseOnFocusLoss, labels, ByTouch());
            } else if (recordsScreen.IsOpen()) {
                recordsScreen.Draw(art, records, labels, ByTouch());
            } else {
                const bool anyBest = records.Best(DIFFICULTY_EASY) >= 0 ||
                                     records.Best(DIFFICULTY_NORMAL) >= 0 ||
                                     records.Best(DIFFICULTY_HARD) >= 0;
                notes.DrawTitle(art, labels, ByTouch(), titleScene.difficultyCursor >= 0, anyBest);
            }
            break;
        case SCENE_PLAY:
            notes.DrawArrowSpeed(art, labels, ByTouch(), playScene.arrows.speed);
            DrawLegend(labels);
            break;
        case SCENE_RESULT:
            notes.DrawTimeUp(art);
            break;
        case SCENE_SCORE:
            notes.DrawScore(art, scoreScreen.landed, newBest && afterReplayUpdates < 0 && !player.IsPlaying(),
                            state->round);
            break;
        default:
            break;
    }
    if (player.IsPlaying() || afterReplayUpdates >= 0) {
        notes.DrawReplay(art);
    }
    pause.Draw(art, labels);
    options.Draw(art, volume, labels);
}

void CGame::DrawLegend(CKeyLabels& labels) {
    for (int colour = 0; colour < 4; ++colour) {
        const Corvane::CSprite& cap = playScene.keyLabels[colour];
        if (!cap.visible) {
            legendCaps.Draw(art, labels, colour, cap.x, cap.y, cap.scaleX, cap.alpha);
        }
    }
}

bool CGame::TakeEscape() {
    if (!player.IsPlaying() && afterReplayUpdates < 0) {
        return false;
    }
    EndReplay();
    return true;
}

CarriedState CGame::CaptureCarried() const {
    CarriedState carried;
    carried.shotTimer = playScene.arrows.shotTimer;
    carried.launchCounter = playScene.targets.launchCounter;
    for (int slot = 0; slot < CarriedState::kTargetSlots; ++slot) {
        carried.blinkHolds[slot] = playScene.targets.slots[slot].blinkHold;
    }
    carried.emptyNoticeFadingIn = CArrowStock::IsEmptyNoticeFadingIn();
    carried.shotCueNext = state->shotCueNext;
    carried.hitCueNext = state->hitCueNext;
    return carried;
}

void CGame::RestoreCarried(const CarriedState& carried) {
    playScene.arrows.shotTimer = carried.shotTimer;
    playScene.targets.launchCounter = carried.launchCounter;
    for (int slot = 0; slot < CarriedState::kTargetSlots; ++slot) {
        playScene.targets.slots[slot].blinkHold = carried.blinkHolds[slot];
    }
    CArrowStock::SetEmptyNoticeFadingIn(carried.emptyNoticeFadingIn);
    state->shotCueNext = carried.shotCueNext;
    state->hitCueNext = carried.hitCueNext;
}

void CGame::UpdateScenes() {
    switch (state->scene) {
        case SCENE_TITLE:
            titleScene.Update();
            // The title has just confirmed a difficulty: the game starts in this same update, and so does
            // its recording, from the state the game starts from.
            if (state->sceneChanged) {
                recorder.Begin(state->difficulty, CaptureCarried());
                StartNewGame();
            }
            break;
        case SCENE_COUNTDOWN:
            CountdownStep();
            break;
        case SCENE_PLAY:
            playScene.Update();
            break;
        case SCENE_RESULT:
            if (curtain.Update()) {
                state->SetScene(SCENE_SCORE);
            }
            break;
        case SCENE_SCORE:
            ScoreStep();
            break;
        default:
            break;
    }
    state->EndUpdate();
}

void CGame::ScoreStep() {
    scoreScreen.Update();
    // Besides the classic game a click or a tap goes on as Enter does.
    const bool clicked = !classic && PointerClicked();
    if (Corvane::g_pInput != nullptr &&
        (Corvane::g_pInput->IsKeyTriggered(platform::DIK_RETURN) || clicked)) {
        PlayPair(*state, Cue::kConfirm);
        titleScene.ResetMenu();
        state->SetScene(SCENE_TITLE);
    }
}

void CGame::CountdownStep() {
    countdownTime += FrameSeconds();
    if (countdownTime >= 1.0f) {
        countdownValue -= 1;
        // A long frame advances the count by one only: the rest of the time is dropped.
        countdownTime = 0.0f;
        if (countdownValue == 0) {
            state->SetScene(SCENE_PLAY);
        } else {
            PlayPair(*state, Cue::kCountdownTick);
            countdownScale = kCountdownStartScale;
            state->figures.SetScale(kCountdownStartScale, kCountdownStartScale);
        }
    }
    countdownScale += kCountdownGrowth;
    state->figures.SetScale(countdownScale, countdownScale);
    if (state->sceneChanged) {
        const int interval = LaunchIntervalOf(state->difficulty);
        if (interval >= 0) {
            playScene.targets.launchInterval = interval;
        }
        PlayRestart(*state, Cue::kStartOfPlay);
    }
}

void CGame::DrawCountdown() {
    // The update that confirms the difficulty is drawn as the countdown before the count has begun:
    // nothing is shown until the first digit, 3.
    if (countdownValue >= kCountdownStart) {
        return;
    }
    float w = 0.0f;
    float h = 0.0f;
    state->figures.GetScaledSize(w, h);
    const float x = static_cast<float>(ScreenWidth() / 2) - 1.5f * w;
    const float y = static_cast<float>(ScreenHeight() / 2) - 0.5f * h;
    state->figures.DrawNumber(countdownValue, x, y, countdownScale);
}

void CGame::Render() {
    switch (state->scene) {
        case SCENE_TITLE:
            titleScene.Render();
            break;
        case SCENE_COUNTDOWN:
            playScene.background.Draw();
            DrawCountdown();
            break;
        case SCENE_PLAY:
            if (!classic) {
                // A cap whose painted letter is not what its key says is left out: the additions draw it
                // with the key's label, where it stood and as bright.
                CKeyLabels labels(boundKeys);
                for (int colour = 0; colour < 4; ++colour) {
                    playScene.keyLabels[colour].visible = !CKeyCaps::Relabelled(labels, colour);
                }
            }
            playScene.Draw();
            break;
        case SCENE_RESULT:
            playScene.background.Draw();
            curtain.Draw();
            break;
        case SCENE_SCORE:
            playScene.background.Draw();
            curtain.Draw();
            scoreScreen.Render();
            break;
        default:
            break;
    }
    if (!classic) {
        DrawAdditions();
    }
    volume.Draw();
    player.RestoreTimer();
}

void CGame::StartNewGame() {
    countdownTime = 1.0f;
    countdownValue = kCountdownStart;
    scoreScreen.Reset();
    curtain.Reset();
    playScene.StartPlay();
    state->StopAllCues();
    state->score = 0;
    state->maxScore = 0;
    state->combo = 0;
    state->round = RoundStats{};
    newBest = false;
    countdownScale = kCountdownStartScale;
}

}  // namespace Yorun
