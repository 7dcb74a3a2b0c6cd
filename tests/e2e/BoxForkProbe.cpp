// Forks the moment a message box's watcher starts, as showing a box does, and has each child open a display
// of its own, as the box's process does. A child forked while the watcher held one of Xlib's locks would
// wait for that lock for ever. Exits 0 when every child ended, 1 when one was still waiting after 10 s, 2
// when there is no display.
#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "platform/desktop/linux/MessageBoxWatch.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"

namespace {

constexpr int kRounds = 200;
constexpr auto kChildTimeout = std::chrono::seconds(10);
// The fork comes a little later each round, so that over the rounds it meets the watcher at every step of
// its start.
constexpr auto kForkDelayStep = std::chrono::microseconds(15);

bool EndsInTime(pid_t child) {
    const auto deadline = std::chrono::steady_clock::now() + kChildTimeout;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main() {
    if (!platform::InitVideo("box_fork_probe")) {
        return 2;
    }
    platform::Window* window = platform::Window::Create("Probe", 0, 0, 320, 200);
    if (window == nullptr) {
        return 2;
    }
    window->Show();
    int result = 0;
    for (int round = 0; round < kRounds && result == 0; ++round) {
        pid_t child = -1;
        {
            const platform::MessageBoxWatch watch(window->GetSdlWindow(), "No such box");
            std::this_thread::sleep_for(kForkDelayStep * round);
            child = fork();
            if (child == 0) {
                Display* display = XOpenDisplay(nullptr);
                if (display != nullptr) {
                    XCloseDisplay(display);
                }
                _exit(display != nullptr ? 0 : 3);
            }
        }
        if (child < 0 || !EndsInTime(child)) {
            std::fprintf(stderr, "round %d: the child forked beside the watcher never ended\n", round);
            result = 1;
        }
    }
    delete window;
    platform::ShutdownVideo();
    return result;
}
