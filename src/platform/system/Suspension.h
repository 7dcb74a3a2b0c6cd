#pragma once

namespace platform {

// Time the system did not let the program run at all: a browser runs nothing of a page while it is hidden
// (another tab in front, the window minimised), and its sound stops with it. The program's clocks leave
// that time out, so a game goes on from where it was rather than finding its time gone. On the desktop the
// program always runs, a window in the background included. Each system has its own file
// (linux/Suspension.cpp here).

// The seconds the program has been held so far, the time it is being held now included: the clocks stand
// still while it is.
double SecondsSuspended();
// True, once, after the program has been held since the last call: a game in play pauses.
bool TakeSuspension();

}  // namespace platform
