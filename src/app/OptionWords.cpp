#include "app/OptionWords.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "base/PrintableText.h"

namespace Corvane {

namespace {

// The version comes from the project definition, so the program and its package never disagree.
constexpr const char* kVersion = YORUN_VERSION;

// Longer words are cut when echoed: a pasted paragraph should not flood the terminal.
constexpr std::size_t kEchoedBytes = 40;

bool LooksLikeOption(const char* word) {
    return word != nullptr && (word[0] == '-' || word[0] == '/');
}

// The word as it is safe to echo: control characters (a terminal would act on them) and broken UTF-8
// become '?', and a long word is cut after whole characters and marked with an ellipsis.
std::string Echoable(const char* word) {
    const std::string_view whole(word);
    if (whole.size() <= kEchoedBytes) {
        return PrintableText(whole);
    }
    // A cut inside a multi-byte character would leave invalid text: back up to the character's start.
    std::size_t cut = kEchoedBytes;
    while (cut > 0 && (static_cast<unsigned char>(whole[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return PrintableText(whole.substr(0, cut)) + "…";
}

}  // namespace

OptionWords::OptionWords(int argumentCount, const char* const* arguments)
    : argumentCount(arguments != nullptr ? argumentCount : 0), arguments(arguments) {
    // Word 0 is the program itself.
    for (int index = 1; index < this->argumentCount; ++index) {
        const char* word = arguments[index];
        if (word == nullptr) {
            continue;
        }
        if (std::strcmp(word, "/win") == 0 || std::strcmp(word, "--window") == 0) {
            window = Window::Windowed;
        } else if (std::strcmp(word, "/full") == 0 || std::strcmp(word, "--fullscreen") == 0) {
            window = Window::FullScreen;
        } else if (std::strcmp(word, "--integer-scale") == 0) {
            integerScale = true;
        } else if (std::strcmp(word, "--help") == 0) {
            help = true;
        } else if (std::strcmp(word, "--version") == 0) {
            version = true;
        } else if (std::strcmp(word, "--no-save") == 0) {
            noSave = true;
        } else if (std::strcmp(word, "--classic") == 0) {
            classic = true;
        } else if (std::strcmp(word, "--replay") == 0) {
            // The next word is what to replay, whatever it looks like (a path may start with '/').
            if (index + 1 < this->argumentCount && arguments[index + 1] != nullptr) {
                replay = arguments[++index];
            } else {
                replayMissing = true;
            }
        }
    }
}

bool OptionWords::IsKnown(const char* word) {
    static constexpr const char* kKnown[] = {
        "/win",   "/full",     "--window", "--fullscreen", "--integer-scale",
        "--help", "--version", "--replay", "--no-save",    "--classic"};
    for (const char* known : kKnown) {
        if (std::strcmp(word, known) == 0) {
            return true;
        }
    }
    return false;
}

bool OptionWords::IsFirstUnknownAt(int index) const {
    const char* word = arguments[index];
    if (!LooksLikeOption(word) || IsKnown(word)) {
        return false;
    }
    // The word after --replay is its file, not an option.
    if (index > 1 && arguments[index - 1] != nullptr && std::strcmp(arguments[index - 1], "--replay") == 0) {
        return false;
    }
    for (int earlier = 1; earlier < index; ++earlier) {
        if (arguments[earlier] != nullptr && std::strcmp(arguments[earlier], word) == 0) {
            return false;
        }
    }
    return true;
}

int OptionWords::CountUnknown() const {
    int count = 0;
    for (int index = 1; index < argumentCount; ++index) {
        count += IsFirstUnknownAt(index) ? 1 : 0;
    }
    return count;
}

void OptionWords::ReportUnknown() const {
    if (replayMissing) {
        std::fprintf(stderr, "yorun: --replay needs a file, or best-easy, best-normal, best-hard or last\n");
    }
    for (int index = 1; index < argumentCount; ++index) {
        if (IsFirstUnknownAt(index)) {
            std::fprintf(stderr, "yorun: unknown option '%s' ignored (try --help)\n",
                         Echoable(arguments[index]).c_str());
        }
    }
}

void OptionWords::PrintHelp() {
    std::printf(
        "Usage: yorun [option...]\n"
        "An archery target game.\n"
        "\n"
        "  /win, --window         start in a window (the default)\n"
        "  /full, --fullscreen    start full screen\n"
        "  --integer-scale        scale the picture by whole numbers only (sharp, with wider bars)\n"
        "  --replay WHAT          watch a recorded game first: best-easy, best-normal, best-hard, last,\n"
        "                         or a replay file's path\n"
        "  --no-save              keep no records and no replays of the games played, and leave the\n"
        "                         settings file alone\n"
        "  --classic              the game as it first was: no help card, pause, records screen,\n"
        "                         round statistics or volume keys, and no records kept or read\n"
        "  --help                 print this help and exit\n"
        "  --version              print the version and exit\n"
        "\n"
        "F1 shows how to play, R the records and P pauses a game. Alt+Enter switches between the window\n"
        "and full screen; - and + step the volume and M switches the sound off and on (kept in\n"
        "~/.config/yorun/settings.ini). Escape quits.\n");
}

void OptionWords::PrintVersion() {
    std::printf("yorun %s\n", kVersion);
}

}  // namespace Corvane
