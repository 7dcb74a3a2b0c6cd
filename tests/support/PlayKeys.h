#pragma once

#include <vector>

namespace testing_support {

// The keys a scripted player holds in one frame of play, counted from the first: it sweeps the cursor
// round a square (a second a side), looses one colour for 150 frames and then the next, moves fast every
// other sweep, steps the arrow speed now and then, and holds Space while the stock is empty. The golden
// replays were recorded with exactly this script.
std::vector<int> PlayKeys(int playFrame, bool stockEmpty);

}  // namespace testing_support
