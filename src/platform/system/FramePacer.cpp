#include "platform/system/FramePacer.h"

namespace platform {

bool FramePacer::Due(double now) {
    if (!started) {
        started = true;
        nextDue = now + interval;
        return true;
    }
    if (now + kEarlyTolerance < nextDue) {
        return false;
    }
    // Keep to the schedule so that the frames average the game's rate; but a program held up (a slow
    // frame, a hidden tab, a 60 Hz display always a little behind) starts a new schedule from now rather
    // than running frames back to back to catch up.
    nextDue += interval;
    if (nextDue < now) {
        nextDue = now + interval;
    }
    return true;
}

}  // namespace platform
