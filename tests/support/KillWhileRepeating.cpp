#include "support/KillWhileRepeating.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace testing_support {

bool KillWhileRepeating(const std::function<void(int run)>& work, unsigned pauseMicroseconds) {
    int finished[2];
    if (pipe(finished) != 0) {
        return false;
    }
    const pid_t copy = fork();
    if (copy < 0) {
        close(finished[0]);
        close(finished[1]);
        return false;
    }
    if (copy == 0) {
        close(finished[0]);
        for (int run = 0;; ++run) {
            work(run);
            static_cast<void>(write(finished[1], "f", 1));
        }
    }
    close(finished[1]);
    char note = 0;
    const bool ran = read(finished[0], &note, 1) == 1;
    usleep(pauseMicroseconds);
    kill(copy, SIGKILL);
    int status = 0;
    waitpid(copy, &status, 0);
    close(finished[0]);
    return ran;
}

}  // namespace testing_support
