#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/MessageBoxWatch.h"
#include "platform/TerminationSignals.h"
#include "platform/Window.h"

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

class SdlMessageBoxes final : public MessageBoxes {
public:
    int Show(Window* owner, const char* caption, const char* text) override {
        WriteToStandardError(caption, text);
        // Once the program has been asked to end, standard error alone carries the rest of the messages.
        if (TerminationSignals::Requested()) {
            return IDOK;
        }
        // Without a display SDL refuses at once; standard error has already carried the text.
        SDL_Window* sdlWindow = owner != nullptr ? owner->GetSdlWindow() : nullptr;
        const MessageBoxWatch watch(sdlWindow, caption);
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, sdlWindow);
        return IDOK;
    }
};

SdlMessageBoxes sdlBoxes;
MessageBoxes* currentBoxes = &sdlBoxes;

}  // namespace

int ShowInformationBox(Window* owner, const char* caption, const char* text) {
    return GetMessageBoxes().Show(owner, caption != nullptr ? caption : "", text != nullptr ? text : "");
}

MessageBoxes& GetMessageBoxes() {
    return *currentBoxes;
}

void SetMessageBoxes(MessageBoxes* boxes) {
    currentBoxes = boxes != nullptr ? boxes : &sdlBoxes;
}

}  // namespace platform
