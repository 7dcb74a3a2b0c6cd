#include "game/GameState.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/Application.h"
#include "game/CueFiles.h"

namespace Yorun {

CGameState& GetGameState() {
    static CGameState state;
    return state;
}

void CGameState::SetScene(std::int32_t newScene) {
    sceneChanged = true;
    scene = newScene;
}

void CGameState::EndUpdate() {
    sceneChanged = false;
    if (maxScore < score) {
        maxScore = score;
    }
}

bool CGameState::LoadResources() {
    const bool loaded = figures.LoadNumberFont(0);
    // Without the digit strip the cues are not loaded either: every cue stays silent.
    if (loaded) {
        LoadCues();
    }
    return loaded;
}

void CGameState::ReleaseResources() {
    figures.Release();
    for (Dix::SoundBank& bank : cues) {
        bank.ReleaseAll();
    }
}

void CGameState::StopAllCues() {
    for (Dix::SoundBank& bank : cues) {
        bank.StopAll();
    }
    shotCueNext = 0;
    hitCueNext = 0;
}

bool CGameState::LoadCues() {
    if (Corvane::g_pApplication != nullptr) {
        Corvane::g_pApplication->SetWorkDirectory("mato_snd");
    }
    // A file that could not be read is reported once: the slots after the first that name it are left
    // empty without a second message about the same file.
    const char* unreadable[std::size(kCueFiles)] = {};
    std::size_t unreadableCount = 0;
    for (const CueFile& cue : kCueFiles) {
        const auto reported = [&cue](const char* name) { return std::strcmp(name, cue.fileName) == 0; };
        if (std::none_of(unreadable, unreadable + unreadableCount, reported)) {
            cues[cue.bank].Load(cue.fileName, cue.slot);
            if (!cues[cue.bank].IsLoaded(cue.slot)) {
                unreadable[unreadableCount++] = cue.fileName;
            }
        }
        cues[cue.bank].SetVolume(cue.slot, kCueVolume);
    }
    shotCueNext = 0;
    hitCueNext = 0;
    return true;
}

}  // namespace Yorun
