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
}

bool Lettering::Open(std::string& error) {
    std::string latinFile;
    std::string japaneseFile;
    if (!FindFont("DejaVu Sans:style=Bold", "DejaVu Sans", latinFile, error) ||
        !FindFont("IPAGothic", "IPAGothic", japaneseFile, error)) {
        return false;
    }
    m_latin = TTF_OpenFont(latinFile.c_str(), kWorkingSize);
    m_japanese = TTF_OpenFont(japaneseFile.c_str(), kWorkingSize);
    if (m_latin == nullptr || m_japanese == nullptr) {
        error = std::string("cannot open a font: ") + TTF_GetError();
        return false;
    }
    return true;
}

Mask Lettering::Ink(Face face, const std::string& text) const {
    TTF_Font* font = face == Face::Latin ? m_latin : m_japanese;
    SurfacePtr rendered(TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255}));
    if (!rendered) {
        throw std::runtime_error("cannot render \"" + text + "\": " + TTF_GetError());
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        throw std::runtime_error(std::string("cannot convert lettering: ") + SDL_GetError());
    }
    int left = argb->w, top = argb->h, right = -1, bottom = -1;
    auto alphaAt = [&](int x, int y) {
        const auto* row = static_cast<const Uint8*>(argb->pixels) + y * argb->pitch;
        return static_cast<float>(reinterpret_cast<const Uint32*>(row)[x] >> 24) / 255.0F;
    };
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

Mask Lettering::Fit(const Mask& ink, int width, int height, float outlineWidth, float maxSqueeze) {
    const float roomW = width - 2.0F * outlineWidth - 2.0F;
    const float roomH = height - 2.0F * outlineWidth - 2.0F;
    const float byHeight = roomH / ink.height;
    // Prefer filling the height; squeeze sideways (up to the limit) before giving height up.
    float scaleY = byHeight;
    float scaleX = std::min(byHeight, roomW / ink.width);
    if (scaleX < scaleY / maxSqueeze) {
        scaleY = scaleX * maxSqueeze;
    }
    const int w = std::max(1, static_cast<int>(std::lround(ink.width * scaleX)));
    const int h = std::max(1, static_cast<int>(std::lround(ink.height * scaleY)));
    return ink.Resized(w, h);
}

void Lettering::PaintMask(Canvas& canvas, const Mask& mask, int left, int top, const Style& style) {
    const Mask rim = mask.Dilated(style.outlineWidth);
    const int pad = (rim.width - mask.width) / 2;
    canvas.Paste(rim, left, top, Solid(style.outline));
    canvas.Paste(mask, left + pad, top + pad, style.fill);
}

void Lettering::Draw(Canvas& canvas, Face face, const std::string& text, int left, int top, int width,
                     int height, const Style& style) const {
    const Mask fitted = Fit(Ink(face, text), width, height, style.outlineWidth, style.maxSqueeze);
    const int pad = static_cast<int>(std::ceil(style.outlineWidth)) + 1;
    const int fullW = fitted.width + 2 * pad;
    const int fullH = fitted.height + 2 * pad;
    int x = left + (width - fullW) / 2;
    if (style.align == Align::Left) {
        x = left;
    } else if (style.align == Align::Right) {
        x = left + width - fullW;
    }
    PaintMask(canvas, fitted, x, top + (height - fullH) / 2, style);
}

}  // namespace assetgen
