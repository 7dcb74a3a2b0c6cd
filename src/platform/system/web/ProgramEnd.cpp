#include "platform/system/ProgramEnd.h"

#include <emscripten.h>

namespace platform {

namespace {

// Ends the runtime once main has returned and its stack is gone: the exit handlers run (static
// destructors, the output flushed) and the page hears the code through Module.onExit. Where main was last
// resumed from a sleep's timer the runtime ends itself right after, with EXITSTATUS as the code: it is set
// here first, and the timer below then finds the runtime ended. exit() ends by throwing ExitStatus to
// leave whatever called it; here that is only this timer.
// clang-format off
EM_JS(void, ExitAfterReturn, (int exitCode), {
    EXITSTATUS = exitCode;
    setTimeout(function() {
        if (runtimeExited || ABORT) {
            return;
        }
        try {
            exit(exitCode);
        } catch (thrown) {
            if (!(thrown instanceof ExitStatus)) {
                throw thrown;
            }
        }
    }, 0);
});
// clang-format on

}  // namespace

int EndProgram(int exitCode) {
    ExitAfterReturn(exitCode);
    return exitCode;
}

}  // namespace platform
