#pragma once

namespace Yorun {

// Sine and cosine of a float angle in radians, computed in double precision by our own code and rounded
// once to float. The rules move targets round circles with these, and a replay must play to the same
// positions on every system: the C libraries' float sine and cosine differ from one another in the last
// bit, while double arithmetic without fused multiply-adds gives the same bits everywhere. The result is
// the correctly rounded float for every angle below 2^20 radians, barring the rare double-rounding tie;
// beyond that it is reduced modulo the double nearest 2π and is still the same everywhere.
float RoundedSine(float angle);
float RoundedCosine(float angle);

}  // namespace Yorun
