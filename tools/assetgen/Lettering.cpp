#include "Lettering.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assetgen {

namespace {

// Asks fontconfig for `pattern` and accepts the answer only if it really is `family`: fontconfig always
// answers with something, and a silent substitute would change every picture.
bool FindFont(const char* pattern, const char* family, std::string& file, std::string& error) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        error = "fontconfig could not be initialised";
        return false;
    }
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(config, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, wanted, &result);
    bool found = false;
    if (match != nullptr) {
        FcChar8* name = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
            if (std::string(reinterpret_cast<const char*>(name)) == family) {
                found = true;
            }
        }
        FcChar8* path = nullptr;
        if (found && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            file = reinterpret_cast<const char*>(path);
        } else {
            found = false;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(wanted);
    FcConfigDestroy(config);
    if (!found) {
        error = std::string("the font \"") + family + "\" is not installed (Debian: " +
                (std::string(family) == "IPAGothic" ? "fonts-ipafont-gothic" : "fonts-dejavu-core") + ")";
    }
    return found;
}

}  // namespace

Lettering::~Lettering() {
    if (m_latin != nullptr) {
        TTF_CloseFont(m_latin);
    }
    if (m_japanese != nullptr) {
        TTF_CloseFont(m_japanese);
    }
    if (m_mono != nullptr) {
        TTF_CloseFont(m_mono);
    }
}

TTF_Font* Lettering::FontOf(Face face) const {
    switch (face) {
        case Face::Latin:
            return m_latin;
        case Face::Japanese:
            return m_japanese;
        case Face::Mono:
            return m_mono;
    }
    return m_latin;
}

bool Lettering::Open(std::string& error) {
    std::string latinFile;
    std::string japaneseFile;
    std::string monoFile;
    if (!FindFont("DejaVu Sans:style=Bold", "DejaVu Sans", latinFile, error) ||
        !FindFont("DejaVu Sans Mono:style=Bold", "DejaVu Sans Mono", monoFile, error) ||
        !FindFont("IPAGothic", "IPAGothic", japaneseFile, error)) {
        return false;
    }
    m_latin = TTF_OpenFont(latinFile.c_str(), kWorkingSize);
    m_japanese = TTF_OpenFont(japaneseFile.c_str(), kWorkingSize);
    m_mono = TTF_OpenFont(monoFile.c_str(), kWorkingSize);
    if (m_latin == nullptr || m_japanese == nullptr || m_mono == nullptr) {
        error = std::string("cannot open a font: ") + TTF_GetError();
        return false;
    }
    return true;
}

SurfacePtr Lettering::Render(Face face, const std::string& text, int scale) const {
    TTF_Font* font = FontOf(face);
    // The working size covers a picture up to twice the game's size; beyond that the letters are drawn
    // larger, so they are always cut down from outlines and never enlarged.
    const int size = kWorkingSize * std::max(1, scale / 2);
    if (size != kWorkingSize) {
        TTF_SetFontSize(font, size);
    }
    SurfacePtr rendered(TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255}));
    if (size != kWorkingSize) {
        TTF_SetFontSize(font, kWorkingSize);
    }
    if (!rendered) {
        throw std::runtime_error("cannot render \"" + text + "\": " + TTF_GetError());
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        throw std::runtime_error(std::string("cannot convert lettering: ") + SDL_GetError());
    }
    return argb;
}

namespace {

float AlphaAt(const SDL_Surface& surface, int x, int y) {
    const auto* row = static_cast<const Uint8*>(surface.pixels) + y * surface.pitch;
    return static_cast<float>(reinterpret_cast<const Uint32*>(row)[x] >> 24) / 255.0F;
}

}  // namespace

Mask Lettering::Line(Face face, const std::string& text, int scale) const {
    const SurfacePtr argb = Render(face, text, scale);
    Mask line(argb->w, argb->h);
    for (int y = 0; y < line.height; ++y) {
        for (int x = 0; x < line.width; ++x) {
            line.Ref(x, y) = AlphaAt(*argb, x, y);
        }
    }
    return line;
}

Mask Lettering::Ink(Face face, const std::string& text, int scale) const {
    const SurfacePtr argb = Render(face, text, scale);
    auto alphaAt = [&](int x, int y) { return AlphaAt(*argb, x, y); };
    int left = argb->w, top = argb->h, right = -1, bottom = -1;
    for (int y = 0; y < argb->h; ++y) {
        for (int x = 0; x < argb->w; ++x) {
            if (alphaAt(x, y) > 0.0F) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        throw std::runtime_error("\"" + text + "\" has no visible ink");
    }
    Mask ink(right - left + 1, bottom - top + 1);
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < ink.width; ++x) {
            ink.Ref(x, y) = alphaAt(left + x, top + y);
        }
    }
    return ink;
}

Mask Lettering::Fit(const Mask& ink, int width, int height, float outlineWidth, float maxSqueeze, int scale) {
    const float roomW = width - 2.0F * outlineWidth - 2.0F;
    const float roomH = height - 2.0F * outlineWidth - 2.0F;
    // The ink may be larger than at the working size; the fit is worked out as if it were not.
    const float inkScale = static_cast<float>(std::max(1, scale / 2));
    const float inkWidth = ink.width / inkScale;
    const float inkHeight = ink.height / inkScale;
    const float byHeight = roomH / inkHeight;
    // Prefer filling the height; squeeze sideways (up to the limit) before giving height up.
    float scaleY = byHeight;
    float scaleX = std::min(byHeight, roomW / inkWidth);
    if (scaleX < scaleY / maxSqueeze) {
        scaleY = scaleX * maxSqueeze;
    }
    const int w = std::max(1, static_cast<int>(std::lround(inkWidth * scaleX)));
    const int h = std::max(1, static_cast<int>(std::lround(inkHeight * scaleY)));
    return ink.Resized(w * scale, h * scale);
}

void Lettering::PaintMask(Canvas& canvas, const Mask& mask, int left, int top, const Style& style) {
    const int scale = canvas.Scale();
    const Mask rim = mask.Dilated(style.outlineWidth * static_cast<float>(scale));
    // The letters sit one outline and a pixel in from the corner, in the game's pixels, at any scale.
    const int inset = static_cast<int>(std::ceil(style.outlineWidth)) + 1;
    const int rimPad = (rim.width - mask.width) / 2;
    canvas.Paste(rim, (left + inset) * scale - rimPad, (top + inset) * scale - rimPad, Solid(style.outline));
    canvas.Paste(mask, (left + inset) * scale, (top + inset) * scale, style.fill);
}

void Lettering::Draw(Canvas& canvas, Face face, const std::string& text, int left, int top, int width,
                     int height, const Style& style) const {
    const int scale = canvas.Scale();
    const Mask fitted =
        Fit(Ink(face, text, scale), width, height, style.outlineWidth, style.maxSqueeze, scale);
    const int pad = static_cast<int>(std::ceil(style.outlineWidth)) + 1;
    const int fullW = fitted.width / scale + 2 * pad;
    const int fullH = fitted.height / scale + 2 * pad;
    int x = left + (width - fullW) / 2;
    if (style.align == Align::Left) {
        x = left;
    } else if (style.align == Align::Right) {
        x = left + width - fullW;
    }
    PaintMask(canvas, fitted, x, top + (height - fullH) / 2, style);
}

}  // namespace assetgen
