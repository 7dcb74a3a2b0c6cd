#pragma once

#include "platform/system/Types.h"

namespace platform {

// Starts SDL's video and event subsystems (once; later calls report the first result), and from then on
// watches for termination signals. False with the reason on standard error when there is no display to
// talk to. The program's name leads every message the layer writes there.
bool InitVideo(const char* programName);
// The same start without naming the program: a window starts video for itself if nobody has.
bool StartVideo();
// Shuts SDL down; every window, device and texture must be gone or detached by then.
void ShutdownVideo();
// The desktop's rectangle; all zero when video is not running.
Rect GetDesktopRect();
// The version of the SDL library in use.
void GetSdlVersion(int& major, int& minor, int& patch);

}  // namespace platform
