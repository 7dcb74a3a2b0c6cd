#pragma once

#include <atomic>
#include <string>
#include <thread>

struct SDL_Window;

namespace platform {

// Looks after a message box while it is up. The box is drawn by a process of its own and the call that
// shows it blocks, so a thread watches it:
// - on an X server with no window manager, the game's window keeps the keyboard focus it was given when
//   shown and the box would never see Enter: the box is given the focus while it is up (a visible top-level
//   window with the box's caption that is not the game's), and the game's window gets the focus back
//   afterwards;
// - after a termination signal, the box's process is ended, so the blocked call returns.
class MessageBoxWatch {
public:
    MessageBoxWatch(SDL_Window* owner, const char* caption);
    // Stops watching (the box is gone) and hands the focus back to the owner.
    ~MessageBoxWatch();

    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

private:
    void Watch();

    SDL_Window* focusOwner = nullptr;
    std::string caption;
    unsigned long ownerId = 0;
    std::atomic<bool> boxGone{false};
    std::thread watcher;
};

}  // namespace platform
