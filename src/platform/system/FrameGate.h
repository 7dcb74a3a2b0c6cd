#pragma once

namespace platform {

// Where the frame loop waits between frames. On the desktop the program paces itself: the frame timer
// sleeps out each frame's interval and the gate lets every turn through at once. In the browser the page's
// animation frames pace it: the gate yields to the browser until its next refresh and says whether a frame
// of the game is due then (FramePacer). Each system has its own file (linux/FrameGate.cpp here).

// True where the display's refresh paces the frames and the frame timer must not wait.
bool DisplayPacesFrames();
// Waits, where the display paces the frames, until a frame is due at the given interval; false when the
// loop should go round again first (to take the messages that came in meanwhile). Runs the repeating tasks
// that need the loop (RepeatingTask).
bool AwaitFrame(double intervalSeconds);

}  // namespace platform
