#pragma once

namespace platform {

// The requests to end the program that arrive as signals (SIGTERM, SIGINT). SDL turns each into a quit
// event, which the loop sees between frames; but a message box blocks the thread that would see it, for as
// long as nobody answers. Watching the signals lets the boxes give way: a box that is up is closed and no
// further box is shown, so the program reaches its loop and ends.
class TerminationSignals {
public:
    // From now on each signal is noted, then passed on to the handler that was there before (SDL's).
    static void Watch();
    // Puts the earlier handlers back.
    static void StopWatching();
    // Whether a termination signal has arrived while watched.
    static bool Requested();
};

}  // namespace platform
