#include "game/notes/TextFont.h"

#include "app/Graphics.h"
#include "game/Screen.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

namespace {

constexpr int kColumns = 16;
constexpr int kRows = 6;
constexpr char kFirst = ' ';

}  // namespace

bool CTextFont::Load(const char* fileName, int cellWidth, int cellHeight, int advance) {
    EnterDataDirectory("mato_bmp");
    loaded = glyphs.Load(Corvane::g_pDevice, fileName, 1.0f, 0.0f, 1.0f, 1.0f);
    glyphs.anchor = Corvane::ANCHOR_TOP_LEFT;
    this->cellWidth = cellWidth;
    this->cellHeight = cellHeight;
    this->advance = advance;
    return loaded;
}

void CTextFont::Release() {
    if (loaded) {
        glyphs.Release();
        loaded = false;
    }
}

float CTextFont::Width(std::string_view text, float scale) const {
    return static_cast<float>(text.size()) * static_cast<float>(advance) * scale;
}

void CTextFont::Draw(std::string_view text, float x, float y, float scale, Align align) {
    if (!loaded) {
        return;
    }
    float left = x;
    if (align == Align::Centre) {
        left -= Width(text, scale) / 2.0f;
    } else if (align == Align::Right) {
        left -= Width(text, scale);
    }
    glyphs.alpha = alpha;
    glyphs.SetScale(scale, scale);
    glyphs.y = y;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const int cell = text[index] - kFirst;
        if (cell <= 0 || cell >= kColumns * kRows) {
            continue;
        }
        const int cellLeft = (cell % kColumns) * cellWidth;
        const int cellTop = (cell / kColumns) * cellHeight;
        // The cell is centred on the character's place.
        glyphs.x = left + (static_cast<float>(index) * static_cast<float>(advance) -
                           static_cast<float>(cellWidth - advance) / 2.0f) *
                              scale;
        glyphs.DrawRect(cellLeft, cellTop, cellLeft + cellWidth, cellTop + cellHeight);
    }
}

}  // namespace Yorun
