#pragma once

#include "platform/system/Types.h"

namespace platform {

// Starts SDL's video and event subsystems (once; later calls report the first result), and from then on
// watches for termination signals. False with the reason on standard error when there is no display to
// talk to. The program's name leads every message the layer writes there.
bool InitVideo(const char* programName);
// The name the desktop knows the program by (its desktop entry's): the window's class on X11 and its
// application id on Wayland, so that docks and task switchers show the entry's name and icon. Only before
// video starts; a name already chosen in the environment is kept.
void SetApplicationId(const char* id);
// The same start without naming the program: a window starts video for itself if nobody has.
bool StartVideo();
// Shuts SDL down; every window, device and texture must be gone or detached by then.
void ShutdownVideo();
// The desktop's rectangle; all zero when video is not running.
Rect GetDesktopRect();
// The version of the SDL library in use.
void GetSdlVersion(int& major, int& minor, int& patch);

}  // namespace platform
