#include "game/notes/PauseControl.h"

#include <string>

#include "game/Keys.h"
#include "game/Screen.h"
#include "platform/audio/AudioOutput.h"
#include "platform/input/KeyCodes.h"

namespace Yorun {

bool CPauseControl::Update(bool playing, bool focused, bool pauseOnFocusLoss, bool held) {
    if (!playing) {
        Release();
        return false;
    }
    if (KeyNewlyPressed(platform::DIK_P) || KeyNewlyPressed(platform::DIK_PAUSE)) {
        Set(!paused);
        // The update that pauses is not played; the one that resumes is, with one frame's time.
        return paused;
    }
    if (!paused && ((pauseOnFocusLoss && !focused) || held)) {
        Set(true);
    }
    return paused;
}

void CPauseControl::Release() {
    if (paused) {
        Set(false);
    }
}

void CPauseControl::Set(bool on) {
    paused = on;
    platform::GetAudioSink().SetHeld(on);
}

void CPauseControl::Draw(CNoticeArt& art, CKeyLabels& labels) {
    if (!paused) {
        return;
    }
    const float width = static_cast<float>(ScreenWidth());
    const float height = static_cast<float>(ScreenHeight());
    art.Veil(0.0f, 0.0f, width, height, 0.6f);
    art.headline.Draw("PAUSED", width / 2.0f, height / 2.0f - 56.0f, 1.0f, CTextFont::Align::Centre);
    // "P, Pause or Start to go on": every key and the pad's control that resume.
    std::string keys = labels.All(Action::Pause, ", ");
    const std::string pad = labels.Pad(Action::Pause);
    if (!pad.empty()) {
        keys += (keys.empty() ? "" : " or ") + pad;
    }
    art.text.Draw(keys + " to go on", width / 2.0f, height / 2.0f + 24.0f, 1.0f, CTextFont::Align::Centre);
    art.text.alpha = 0.7f;
    art.text.Draw(labels.First(Action::Options) + " options", width / 2.0f, height / 2.0f + 56.0f, 1.0f,
                  CTextFont::Align::Centre);
    art.text.alpha = 1.0f;
}

}  // namespace Yorun
