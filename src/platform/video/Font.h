#pragma once

#include <cstdint>
#include <string>

#include "platform/system/Types.h"

typedef struct _TTF_Font TTF_Font;

namespace platform {

class Device;

// A font that draws UTF-8 text with a device and measures it. Gothic faces are served by IPAGothic; when it
// is missing, by DejaVu Sans Mono.
class Font {
public:
    // height is the pixel height of the characters; weight 600 and above is bold. Null when no font file
    // can be opened.
    static Font* Create(Device* device, int height, int weight, const char* faceName);
    ~Font();

    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Draws the text (lines split at line feeds) into the rectangle with the format's alignment, in the ARGB
    // colour. With DT_CALCRECT nothing is drawn: the rectangle's right and bottom are set to fit the text.
    // Returns the height of the text.
    int DrawText(const char* text, Rect* rect, std::uint32_t format, std::uint32_t colour);

    const std::string& GetFilePath() const { return filePath; }

private:
    Font(Device* device, TTF_Font* font, std::string filePath);

    int LineHeight() const;
    int LineWidth(const std::string& line) const;

    Device* device;
    TTF_Font* font;
    std::string filePath;
};

}  // namespace platform
