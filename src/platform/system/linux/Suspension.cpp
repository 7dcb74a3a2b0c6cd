#include "platform/system/Suspension.h"

namespace platform {

// The desktop never holds the program: a window behind others or minimised goes on running.
double SecondsSuspended() {
    return 0.0;
}

bool TakeSuspension() {
    return false;
}

}  // namespace platform
