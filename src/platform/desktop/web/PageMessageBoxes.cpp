#include <emscripten.h>

#include <cstdio>
#include <cstring>

#include "platform/desktop/MessageBox.h"

namespace platform {

namespace {

// The page shows the text in a panel over the game (Module.showMessage, the page's own), and the console
// has it too. A page cannot stop for an answer: the box is answered with OK at once, as if read.
// clang-format off
EM_JS(void, ShowInPage, (const char* caption, const char* text), {
    const captionText = UTF8ToString(caption);
    const bodyText = UTF8ToString(text);
    if (typeof Module.showMessage == "function") {
        Module.showMessage(captionText, bodyText);
    }
});
// clang-format on

class PageMessageBoxes final : public MessageBoxes {
public:
    int Show(WindowId /*owner*/, const char* caption, const char* text) override {
        std::size_t length = std::strlen(text);
        while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r')) {
            --length;
        }
        std::fprintf(stderr, "%s: %.*s\n", caption, static_cast<int>(length), text);
        ShowInPage(caption, text);
        return IDOK;
    }
};

}  // namespace

MessageBoxes& DesktopMessageBoxes() {
    static PageMessageBoxes boxes;
    return boxes;
}

}  // namespace platform
