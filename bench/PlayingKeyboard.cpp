#include "PlayingKeyboard.h"

#include <cstring>

#include "game/Game.h"
#include "game/GameState.h"
#include "platform/input/KeyCodes.h"
#include "support/PlayKeys.h"

namespace bench {

namespace {

// Start, down twice to hard, confirm: each key held for one read and let go for the next.
constexpr int kTitleKeys[4] = {platform::DIK_RETURN, platform::DIK_DOWN, platform::DIK_DOWN,
                               platform::DIK_RETURN};

}  // namespace

bool PlayingKeyboard::ReadHeld(std::uint8_t (&keys)[256]) {
    std::memset(keys, 0, sizeof(keys));
    switch (Yorun::GetGameState().scene) {
        case Yorun::SCENE_TITLE:
            ChooseOnTitle(keys);
            break;
        case Yorun::SCENE_PLAY:
            ChooseInPlay(keys);
            break;
        default:
            titleReads = 0;
            break;
    }
    return true;
}

void PlayingKeyboard::ChooseOnTitle(std::uint8_t (&keys)[256]) {
    const int step = titleReads / 2;
    if (titleReads % 2 == 0 && step < 4) {
        keys[kTitleKeys[step]] = 0x80;
    }
    ++titleReads;
}

void PlayingKeyboard::ChooseInPlay(std::uint8_t (&keys)[256]) {
    for (const int key :
         testing_support::PlayKeys(playReads, Yorun::GetGame().playScene.stock.GetCount() == 0)) {
        keys[key] = 0x80;
    }
    ++playReads;
}

}  // namespace bench
