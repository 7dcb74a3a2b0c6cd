#include "game/VolumeControl.h"

#include <algorithm>

#include "app/Graphics.h"
#include "game/Keys.h"
#include "game/Screen.h"
#include "platform/audio/AudioOutput.h"
#include "platform/audio/AudioTypes.h"
#include "platform/input/KeyCodes.h"
#include "platform/system/ErrorOutput.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

namespace {

using platform::DIK_ADD;
using platform::DIK_EQUALS;
using platform::DIK_M;
using platform::DIK_MINUS;
using platform::DIK_SUBTRACT;

// The picture: a speaker, the speaker struck through, a lit bar and an unlit bar, side by side.
constexpr int kSpeakerSide = 36;
constexpr int kMutedLeft = 36;
constexpr int kLitBarLeft = 76;
constexpr int kUnlitBarLeft = 86;
constexpr int kBarWidth = 8;
constexpr int kBarGap = 3;
// Where it is drawn: the top right corner, clear of the score, the time and the title's menu.
constexpr int kLeft = 636;
constexpr int kTop = 12;

}  // namespace

std::int32_t CVolumeControl::MasterLevelOf(const Settings& chosen) {
    if (chosen.muted || chosen.volume <= Settings::kLowestVolume) {
        return platform::DSBVOLUME_MIN;
    }
    return kNormalLevel + (chosen.volume - Settings::kNormalVolume) * kStep;
}

void CVolumeControl::Initialize(bool keepSettings, bool classic) {
    inert = classic;
    keep = keepSettings && !classic;
    settings = Settings{};
    path = keep ? SettingsPath() : std::string();
    if (!path.empty()) {
        std::string error;
        if (!ReadSettings(path, settings, error)) {
            platform::PrintError("%s", error.c_str());
        }
    }
    kept = settings;
    platform::GetAudioSink().SetMasterVolume(MasterLevelOf(settings));
    indicatorUpdates = 0;
    unkept = false;
    EnterDataDirectory("mato_bmp");
    pictureLoaded = picture.Load(Corvane::g_pDevice, "volume.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    picture.anchor = Corvane::ANCHOR_TOP_LEFT;
}

void CVolumeControl::SetPauseOnFocusLoss(bool on) {
    Settings changed = settings;
    changed.pauseOnFocusLoss = on;
    if (changed != settings) {
        settings = changed;
        unkept = true;
        Keep();
    }
}

void CVolumeControl::Choose(const Settings& chosen) {
    if (inert || chosen == settings) {
        return;
    }
    settings = chosen;
    platform::GetAudioSink().SetMasterVolume(MasterLevelOf(settings));
    unkept = true;
    Keep();
}

void CVolumeControl::Update() {
    if (inert) {
        return;
    }
    CollectFailure();
    const bool down = KeyTriggered(DIK_MINUS) || KeyTriggered(DIK_SUBTRACT);
    const bool up = KeyTriggered(DIK_EQUALS) || KeyTriggered(DIK_ADD);
    const bool mute = KeyNewlyPressed(DIK_M);
    if (!down && !up && !mute) {
        if (indicatorUpdates > 0 && --indicatorUpdates == 0) {
            Keep();
        }
        return;
    }
    Settings changed = settings;
    if (down || up) {
        changed.volume = std::clamp(changed.volume + (up ? 1 : 0) - (down ? 1 : 0), Settings::kLowestVolume,
                                    Settings::kHighestVolume);
        changed.muted = false;
    }
    if (mute) {
        changed.muted = !changed.muted;
    }
    Change(changed);
}

void CVolumeControl::Change(const Settings& changed) {
    // Shown again even when the level stays (the top or the bottom reached), so the player sees why.
    indicatorUpdates = kIndicatorUpdates;
    if (changed == settings) {
        return;
    }
    settings = changed;
    unkept = true;
    platform::GetAudioSink().SetMasterVolume(MasterLevelOf(settings));
}

void CVolumeControl::Keep() {
    if (!unkept || path.empty()) {
        return;
    }
    unkept = false;
    worker.Post([this, file = path, mine = settings, since = kept](const std::atomic<bool>& giveUp) {
        std::string error;
        if (!KeepSettingsChanges(file, mine, since, giveUp, error)) {
            const std::lock_guard<std::mutex> guard(failureMutex);
            failure = error;
        }
    });
    kept = settings;
}

void CVolumeControl::CollectFailure() {
    std::string error;
    {
        const std::lock_guard<std::mutex> guard(failureMutex);
        error.swap(failure);
    }
    if (!error.empty() && !path.empty()) {
        platform::PrintError("the volume cannot be kept for the next run: %s", error.c_str());
        // Said once: the next change would only fail the same way.
        path.clear();
    }
}

void CVolumeControl::Draw() {
    if (inert || indicatorUpdates <= 0 || !pictureLoaded) {
        return;
    }
    const bool silent = settings.muted || settings.volume == Settings::kLowestVolume;
    picture.x = static_cast<float>(kLeft);
    picture.y = static_cast<float>(kTop);
    const int speakerLeft = silent ? kMutedLeft : 0;
    picture.DrawRect(speakerLeft, 0, speakerLeft + kSpeakerSide, kSpeakerSide);
    for (int bar = 0; bar < Settings::kHighestVolume; ++bar) {
        // The bars rise from left to right; those up to the volume are lit, unless the sound is off.
        const int height = 12 + bar * 24 / (Settings::kHighestVolume - 1);
        const int left = !silent && bar < settings.volume ? kLitBarLeft : kUnlitBarLeft;
        picture.x = static_cast<float>(kLeft + kSpeakerSide + 4 + bar * (kBarWidth + kBarGap));
        picture.y = static_cast<float>(kTop + kSpeakerSide - height);
        picture.DrawRect(left, kSpeakerSide - height, left + kBarWidth, kSpeakerSide);
    }
}

void CVolumeControl::Release() {
    Keep();
    const bool done = worker.Finish();
    CollectFailure();
    if (!done && !path.empty()) {
        platform::PrintError(
            "the volume cannot be kept for the next run: the settings were not written in time");
    }
    if (pictureLoaded) {
        picture.Release();
        pictureLoaded = false;
    }
}

}  // namespace Yorun
