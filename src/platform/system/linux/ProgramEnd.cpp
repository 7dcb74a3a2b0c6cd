#include "platform/system/ProgramEnd.h"

namespace platform {

// The code main returns is the process's exit code.
int EndProgram(int exitCode) {
    return exitCode;
}

}  // namespace platform
