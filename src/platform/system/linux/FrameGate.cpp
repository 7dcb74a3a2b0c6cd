#include "platform/system/FrameGate.h"

namespace platform {

bool DisplayPacesFrames() {
    return false;
}

bool AwaitFrame(double /*intervalSeconds*/) {
    return true;
}

}  // namespace platform
