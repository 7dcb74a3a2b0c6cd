// assetgen: paints every picture and synthesises every sound cue the game loads, into
// <output>/mato_bmp and <output>/mato_snd, and optionally a contact sheet of the pictures for review.
// The same build always writes the same bytes: nothing depends on the clock or on a random seed.

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "AppIcon.h"
#include "ContactSheet.h"
#include "CueSet.h"
#include "EffectImages.h"
#include "FieldImages.h"
#include "HudImages.h"
#include "ImageSet.h"
#include "Lettering.h"
#include "MenuImages.h"
#include "TextImages.h"

namespace {

// The window's own icon, beside the game's pictures: large enough for a high-density task bar.
constexpr int kWindowIconSize = 128;

constexpr const char* kUsage =
    "usage: assetgen [--output DIR] [--contact-sheet FILE.png] [--icon FILE.png SIZE]\n"
    "  --output DIR            write DIR/mato_bmp (with the window icon) and DIR/mato_snd\n"
    "  --contact-sheet FILE    write every picture on one PNG page for review\n"
    "  --icon FILE SIZE        write the desktop icon, SIZE pixels square (16 to 1024)\n";

struct Options {
    std::string output;
    std::string contactSheet;
    std::string icon;
    int iconSize = 0;
};

bool ParseSize(const char* text, int& size) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < assetgen::AppIcon::kMinimumSize ||
        value > assetgen::AppIcon::kMaximumSize) {
        return false;
    }
    size = static_cast<int>(value);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if ((word == "--output" || word == "--contact-sheet") && i + 1 < argc) {
            (word == "--output" ? options.output : options.contactSheet) = argv[++i];
        } else if (word == "--icon" && i + 2 < argc) {
            options.icon = argv[++i];
            if (!ParseSize(argv[++i], options.iconSize)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return !options.output.empty() || !options.contactSheet.empty() || !options.icon.empty();
}

bool MakeDirectory(const std::filesystem::path& path, std::string& error) {
    std::error_code code;
    std::filesystem::create_directories(path, code);
    if (code) {
        error = "cannot create " + path.string() + ": " + code.message();
        return false;
    }
    return true;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "assetgen: %s\n", message.c_str());
    return 1;
}

// Keeps SDL_ttf open for as long as fonts are in use.
class TtfSession {
public:
    TtfSession() : m_ok(TTF_Init() == 0) {}
    ~TtfSession() {
        if (m_ok) {
            TTF_Quit();
        }
    }
    TtfSession(const TtfSession&) = delete;
    TtfSession& operator=(const TtfSession&) = delete;
    bool Ok() const { return m_ok; }

private:
    bool m_ok;
};

int Run(const Options& options) {
    std::string error;
    // The icon needs no lettering, so it is made without opening the fonts when it is all that is asked.
    if (!options.icon.empty() && !assetgen::AppIcon::Write(options.iconSize, options.icon, error)) {
        return Fail(error);
    }
    if (options.output.empty() && options.contactSheet.empty()) {
        return 0;
    }
    TtfSession ttf;
    if (!ttf.Ok()) {
        return Fail(std::string("cannot start SDL_ttf: ") + TTF_GetError());
    }
    assetgen::Lettering lettering;
    if (!lettering.Open(error)) {
        return Fail(error);
    }
    assetgen::ImageSet images;
    assetgen::PaintMenuImages(lettering, images);
    assetgen::PaintFieldImages(images);
    assetgen::PaintHudImages(lettering, images);
    assetgen::PaintTextImages(lettering, images);
    assetgen::PaintEffectImages(images);

    if (!options.output.empty()) {
        const std::filesystem::path root(options.output);
        if (!MakeDirectory(root / "mato_bmp", error) ||
            !images.WriteAll((root / "mato_bmp").string(), error) ||
            !assetgen::AppIcon::Write(kWindowIconSize, (root / "mato_bmp" / "icon.png").string(), error)) {
            return Fail(error);
        }
        if (!MakeDirectory(root / "mato_snd", error) ||
            !assetgen::CueSet::WriteAll((root / "mato_snd").string(), error)) {
            return Fail(error);
        }
    }
    if (!options.contactSheet.empty() &&
        !assetgen::ContactSheet::Write(images, lettering, options.contactSheet, error)) {
        return Fail(error);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        return Run(options);
    } catch (const std::exception& failure) {
        return Fail(failure.what());
    }
}
