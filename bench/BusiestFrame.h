#pragma once

namespace bench {

// Puts the running game into the busiest frame play can have: all 30 target slots on the field at mixed
// depths with every motion, all five arrows just loosed, the four score popups showing, the head-up
// display with a score and a combo, and the stock empty with its notice blinking. The game must have been
// initialized; the state is set anew at every call, so a measurement can start each frame from it.
void SetUpBusiestFrame();

}  // namespace bench
