#include "game/GameOptions.h"

namespace Yorun {

namespace {
GameOptions options;
}

void SetGameOptions(const GameOptions& given) {
    options = given;
}

const GameOptions& GetGameOptions() {
    return options;
}

}  // namespace Yorun
