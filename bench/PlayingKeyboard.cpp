#include "PlayingKeyboard.h"

#include <cstring>

#include "game/Game.h"
#include "game/GameState.h"
#include "platform/KeyCodes.h"

namespace bench {

namespace {

constexpr int kFireKeys[4] = {platform::DIK_Z, platform::DIK_X, platform::DIK_C, platform::DIK_V};
constexpr int kAimKeys[4] = {platform::DIK_LEFT, platform::DIK_UP, platform::DIK_RIGHT, platform::DIK_DOWN};
// Start, down twice to hard, confirm: each key held for one read and let go for the next.
constexpr int kTitleKeys[4] = {platform::DIK_RETURN, platform::DIK_DOWN, platform::DIK_DOWN,
                               platform::DIK_RETURN};

}  // namespace

bool PlayingKeyboard::Read(std::uint8_t (&keys)[256]) {
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
    keys[kFireKeys[(playReads / 150) % 4]] = 0x80;
    keys[kAimKeys[(playReads % 240) / 60]] = 0x80;
    if ((playReads / 240) % 2 == 1) {
        keys[platform::DIK_LSHIFT] = 0x80;
    }
    if (Yorun::GetGame().playScene.stock.GetCount() == 0) {
        keys[platform::DIK_SPACE] = 0x80;
    }
    ++playReads;
}

}  // namespace bench
