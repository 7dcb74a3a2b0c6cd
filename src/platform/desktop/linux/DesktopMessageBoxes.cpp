#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/desktop/MessageBox.h"
#include "platform/desktop/linux/MessageBoxWatch.h"
#include "platform/events/TerminationSignals.h"

namespace platform {

namespace {

// The text on one line of standard error per line of text: a box shows a trailing line feed as nothing,
// standard error would show it as an empty line.
void WriteToStandardError(const char* caption, const char* text) {
    std::size_t length = std::strlen(text);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r')) {
        --length;
    }
    std::fprintf(stderr, "%s: %.*s\n", caption, static_cast<int>(length), text);
    std::fflush(stderr);
}

// SDL's boxes. Under X11 SDL draws the box in a process of its own and the call blocks until it is
// answered; a watcher gives it the keyboard focus where no window manager does, and ends it after a
// termination signal.
class SdlMessageBoxes final : public MessageBoxes {
public:
    int Show(WindowId owner, const char* caption, const char* text) override {
        WriteToStandardError(caption, text);
        // Once the program has been asked to end, standard error alone carries the rest of the messages.
        if (TerminationSignals::Requested()) {
            return IDOK;
        }
        // Without a display SDL refuses at once; standard error has already carried the text.
        SDL_Window* sdlWindow =
            owner != 0 && SDL_WasInit(SDL_INIT_VIDEO) != 0 ? SDL_GetWindowFromID(owner) : nullptr;
        const MessageBoxWatch watch(sdlWindow, caption);
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, sdlWindow);
        return IDOK;
    }
};

}  // namespace

MessageBoxes& DesktopMessageBoxes() {
    static SdlMessageBoxes boxes;
    return boxes;
}

}  // namespace platform
