#pragma once

#include <string_view>

#include "sprite/Sprite.h"

namespace Yorun {

// Lines of text set from one of the game's text fonts: a picture of the printable ASCII characters in a
// grid of 16 equal cells a row, from the space on, monospaced. Characters outside that range print as
// spaces.
class CTextFont {
public:
    enum class Align { Left, Centre, Right };

    // Loads the font's picture from "mato_bmp"; false (with the loader's message shown) when it cannot.
    // Characters are set `advance` apart: closer than the cells, whose sides are clear of ink so that an
    // outline never touches the next cell.
    bool Load(const char* fileName, int cellWidth, int cellHeight, int advance);
    void Release();

    // Sets the line with its top at y, its left edge, centre or right edge at x.
    void Draw(std::string_view text, float x, float y, float scale = 1.0f, Align align = Align::Left);
    float Width(std::string_view text, float scale = 1.0f) const;
    float Height(float scale = 1.0f) const { return static_cast<float>(cellHeight) * scale; }

    // The opacity the next lines are drawn with.
    float alpha = 1.0f;

private:
    Corvane::CSprite glyphs;
    bool loaded = false;
    int cellWidth = 0;
    int cellHeight = 0;
    int advance = 0;
};

}  // namespace Yorun
