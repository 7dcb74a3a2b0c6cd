#include "platform/events/TerminationSignals.h"

#include <atomic>
#include <csignal>

namespace platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

// Set in the handler and read by the message box's watcher thread: a lock-free atomic serves both.
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);
bool watching = false;
struct sigaction previous[2];

struct sigaction& PreviousFor(int signal) {
    return previous[signal == SIGTERM ? 0 : 1];
}

void OnTermination(int signal, siginfo_t* info, void* context) {
    requested = true;
    const struct sigaction& before = PreviousFor(signal);
    if ((before.sa_flags & SA_SIGINFO) != 0) {
        if (before.sa_sigaction != nullptr) {
            before.sa_sigaction(signal, info, context);
        }
    } else if (before.sa_handler == SIG_DFL) {
        // Nobody else wanted the signal: it ends the program as it would have without this watch.
        sigaction(signal, &before, nullptr);
        raise(signal);
    } else if (before.sa_handler != SIG_IGN && before.sa_handler != nullptr) {
        before.sa_handler(signal);
    }
}

}  // namespace

void TerminationSignals::Watch() {
    if (watching) {
        return;
    }
    struct sigaction action {};
    action.sa_sigaction = &OnTermination;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals) {
        sigaction(signal, &action, &PreviousFor(signal));
    }
    watching = true;
}

void TerminationSignals::StopWatching() {
    if (!watching) {
        return;
    }
    for (const int signal : kSignals) {
        sigaction(signal, &PreviousFor(signal), nullptr);
    }
    watching = false;
}

bool TerminationSignals::Requested() {
    return requested;
}

}  // namespace platform
