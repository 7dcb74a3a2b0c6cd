#pragma once

namespace Yorun {

// A row of the cue table: a file loaded into a bank's slot at start-up.
struct CueFile {
    int bank;
    int slot;
    const char* fileName;
};

constexpr CueFile kCueFiles[] = {
    {0, 0, "fm015_a.ogg"},    {0, 1, "fm015_a.ogg"},    {0, 2, "fm015_a.ogg"},  {1, 0, "cursor18.ogg"},
    {1, 1, "beep15.ogg"},     {2, 0, "don11.ogg"},      {2, 1, "don11.ogg"},    {3, 0, "sh-bad.ogg"},
    {4, 0, "cursor15_a.ogg"}, {4, 1, "cursor15_a.ogg"}, {4, 2, "bosu27.ogg"},   {4, 3, "cursor00_a.ogg"},
    {4, 5, "gun14_a.ogg"},    {5, 0, "cursor07.ogg"},   {5, 1, "cursor07.ogg"}, {6, 0, "swing41.ogg"},
    {7, 0, "encaunt.ogg"},
};

// Every loaded cue sits 20 dB below the file's own level.
constexpr int kCueVolume = -2000;

}  // namespace Yorun
