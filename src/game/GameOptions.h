#pragma once

#include <string>

namespace Yorun {

// What the command line asks of the game.
struct GameOptions {
    // A replay to watch first ("--replay"): a file's path, or best-easy, best-normal, best-hard or last.
    std::string replay;
    // Keep the records and replays of the games played ("--no-save" turns it off; off until the program
    // turns it on, so that nothing but the program itself writes them).
    bool save = false;
};

void SetGameOptions(const GameOptions& given);
const GameOptions& GetGameOptions();

}  // namespace Yorun
