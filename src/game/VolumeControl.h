#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "game/Settings.h"
#include "platform/system/FileWorker.h"
#include "sprite/Sprite.h"

namespace Yorun {

// The master volume the player sets, in any scene: − and + (on the main keys or the keypad) step it, M
// mutes and unmutes, and a pad's stick clicks step it too (the left one presses −, the right one +). Each
// change shows a small indicator at the top right for a second and a half, and once it has settled it is
// kept in the settings file, off the frames (platform::FileWorker), without undoing what another copy of the
// game kept meanwhile. The level reaches the sound through the audio output's master stage, after every
// cue's own volume.
class CVolumeControl {
public:
    // Updates the indicator stays up after a change: a second and a half.
    static constexpr int kIndicatorUpdates = 92;
    // The master level, in hundredths of a decibel, at the normal volume: what brings a whole game to
    // about −20 LUFS (EBU R128) with the cues as the asset generator masters them (bench/loudness_bench
    // measures it). Each step of the volume is 3 dB.
    static constexpr std::int32_t kNormalLevel = 1780;
    static constexpr std::int32_t kStep = 300;

    // Reads the kept settings when keep is true (otherwise nothing is read or written), sets the master
    // level, and loads the indicator's picture.
    void Initialize(bool keepSettings, bool classic = false);
    // Acts on the live keys: called before a replay puts its recorded keys in their place, so a replay
    // never changes the volume.
    void Update();
    // The indicator, while it is up.
    void Draw();
    // Keeps a change that has not been kept yet and waits until it is, and lets the picture go.
    void Release();

    // The pause-on-focus-loss setting, changed on the help card: kept at once.
    void SetPauseOnFocusLoss(bool on);
    // Settings chosen on the options screen: the level follows at once, and they are kept at once.
    void Choose(const Settings& chosen);

    // The master level for the settings, in hundredths of a decibel; silence when muted or at volume 0.
    static std::int32_t MasterLevelOf(const Settings& chosen);

    Settings settings;
    int indicatorUpdates = 0;  // left to show the indicator
    bool unkept = false;       // changed since the settings were last written

private:
    void Change(const Settings& changed);
    void Keep();
    // Says once why the settings could not be kept, when a keeping job has failed, and keeps no more.
    void CollectFailure();

    bool keep = false;
    bool inert = false;  // the classic game: no keys, no indicator, the normal level
    std::string path;
    Settings kept;  // the settings as this copy last read or kept them: what it changed differs from these
    Corvane::CSprite picture;
    bool pictureLoaded = false;

    std::mutex failureMutex;
    std::string failure;  // from the worker: why the last keeping failed
    // Last, so that it goes first: its jobs write to the failure above.
    platform::FileWorker worker;
};

}  // namespace Yorun
