#include "platform/desktop/linux/MessageBoxWatch.h"

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <pthread.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <system_error>

#include "platform/desktop/WindowManager.h"
#include "platform/desktop/linux/X11Desktop.h"
#include "platform/events/TerminationSignals.h"

namespace platform {

namespace {

constexpr auto kLookInterval = std::chrono::milliseconds(20);

// The box is drawn by a child that SDL forks while the watcher runs, and the child opens a display of its
// own. Were the fork to come while the watcher is inside Xlib (opening its display, setting an error
// handler), the child would inherit Xlib's global lock held by a thread it does not have, and would wait
// for it for ever: no box, and the game blocked behind it. The watcher holds this lock whenever it calls
// into Xlib, and a fork waits for it.
std::mutex xlibInUse;

void LockBeforeFork() {
    xlibInUse.lock();
}

void UnlockAfterFork() {
    xlibInUse.unlock();
}

void GuardForks() {
    static std::once_flag registered;
    std::call_once(registered, [] { pthread_atfork(&LockBeforeFork, &UnlockAfterFork, &UnlockAfterFork); });
}

// A window that vanishes between being listed and being asked about is not an error worth ending for.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

// The window's title as the classic or the desktop property holds it, compared byte for byte: the box's
// caption is UTF-8 and may be stored as either.
bool HasTitle(Display* display, ::Window window, const std::string& title) {
    const Atom properties[] = {XA_WM_NAME, XInternAtom(display, "_NET_WM_NAME", False)};
    for (const Atom property : properties) {
        XTextProperty text{};
        if (XGetTextProperty(display, window, &text, property) == 0) {
            continue;
        }
        const bool same = text.value != nullptr && text.format == 8 &&
                          title == std::string(reinterpret_cast<const char*>(text.value), text.nitems);
        if (text.value != nullptr) {
            XFree(text.value);
        }
        if (same) {
            return true;
        }
    }
    return false;
}

bool IsTheBox(Display* display, ::Window window, const std::string& caption, unsigned long ownerId) {
    if (window == ownerId) {
        return false;
    }
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable) {
        return false;
    }
    return HasTitle(display, window, caption);
}

// The top-most visible top-level window that is the box, or 0.
::Window FindBox(Display* display, const std::string& caption, unsigned long ownerId) {
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    ::Window found = 0;
    for (unsigned int index = count; index > 0 && found == 0; --index) {
        if (IsTheBox(display, children[index - 1], caption, ownerId)) {
            found = children[index - 1];
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

// Ends the program's child processes: the only ones it has are the message boxes.
void EndBoxProcesses() {
    DIR* processes = opendir("/proc");
    if (processes == nullptr) {
        return;
    }
    const pid_t self = getpid();
    while (const dirent* entry = readdir(processes)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0') {
            continue;
        }
        char path[64];
        std::snprintf(path, sizeof(path), "/proc/%ld/stat", pid);
        FILE* stat = std::fopen(path, "r");
        if (stat == nullptr) {
            continue;
        }
        // "pid (name) state ppid ...": the name may hold spaces and brackets, so read past its last ')'.
        char line[512] = {};
        const bool read = std::fgets(line, sizeof(line), stat) != nullptr;
        std::fclose(stat);
        const char* nameEnd = read ? std::strrchr(line, ')') : nullptr;
        char state = 0;
        long parent = 0;
        if (nameEnd != nullptr && std::sscanf(nameEnd + 1, " %c %ld", &state, &parent) == 2 &&
            parent == self) {
            kill(static_cast<pid_t>(pid), SIGKILL);
        }
    }
    closedir(processes);
}

}  // namespace

MessageBoxWatch::MessageBoxWatch(SDL_Window* owner, const char* caption)
    : caption(caption != nullptr ? caption : "") {
    // Without a display no box is shown at all.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    if (owner != nullptr && LacksWindowManager(owner)) {
        focusOwner = owner;
        ownerId = X11WindowId(owner);
    }
    GuardForks();
    try {
        watcher = std::thread(&MessageBoxWatch::Watch, this);
    } catch (const std::system_error&) {
        // Without the watcher the box still shows; it only waits for a click, or a focus given by hand.
    }
}

MessageBoxWatch::~MessageBoxWatch() {
    boxGone = true;
    if (watcher.joinable()) {
        watcher.join();
    }
    if (focusOwner != nullptr) {
        SDL_SetWindowInputFocus(focusOwner);
    }
}

void MessageBoxWatch::Watch() {
    Display* display = nullptr;
    XErrorHandler previous = nullptr;
    {
        const std::lock_guard xlib(xlibInUse);
        // A connection of its own: the game's is not to be used from another thread.
        display = focusOwner != nullptr ? XOpenDisplay(nullptr) : nullptr;
        previous = display != nullptr ? XSetErrorHandler(&IgnoreError) : nullptr;
    }
    while (!boxGone) {
        if (TerminationSignals::Requested()) {
            // The box may not have started yet when the signal came: end it each round until the call
            // that shows it has returned.
            EndBoxProcesses();
        } else if (display != nullptr) {
            // Checked every round, not once: the focus handed back to the game's window after the box
            // before may reach the server only after this box has been focused.
            const std::lock_guard xlib(xlibInUse);
            const ::Window box = FindBox(display, caption, ownerId);
            ::Window focus = 0;
            int revert = 0;
            XGetInputFocus(display, &focus, &revert);
            if (box != 0 && focus != box) {
                XSetInputFocus(display, box, RevertToParent, CurrentTime);
                XSync(display, False);
            }
        }
        std::this_thread::sleep_for(kLookInterval);
    }
    if (display != nullptr) {
        const std::lock_guard xlib(xlibInUse);
        XSetErrorHandler(previous);
        XCloseDisplay(display);
    }
}

}  // namespace platform
