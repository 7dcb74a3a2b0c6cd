#pragma once

#include <string>

namespace Yorun {

// What the command line asks of the game.
struct GameOptions {
    // A replay to watch first ("--replay"): a file's absolute path, or best-easy, best-normal, best-hard or
    // last.
    std::string replay;
    // Keep the records and replays of the games played ("--no-save" turns it off; off until the program
    // turns it on, so that nothing but the program itself writes them).
    bool save = false;
    // The game exactly as it first was ("--classic"): nothing added on top of it is shown or answers a key
    // (the help card, pause, the records screen, the round's statistics, the volume keys and their
    // indicator), and no records or settings are kept or read.
    bool classic = false;
};

void SetGameOptions(const GameOptions& given);
const GameOptions& GetGameOptions();

}  // namespace Yorun
