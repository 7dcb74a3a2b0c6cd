#include "platform/video/Font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/video/Device.h"
#include "platform/video/FontFiles.h"

namespace platform {

namespace {

std::vector<std::string> SplitLines(const char* text) {
    std::vector<std::string> lines(1);
    for (const char* character = text; *character != '\0'; ++character) {
        if (*character == '\n') {
            lines.emplace_back();
        } else if (*character != '\r') {
            lines.back().push_back(*character);
        }
    }
    return lines;
}

}  // namespace

Font* Font::Create(Device* device, int height, int weight, const char*) {
    static constexpr const char* kFamilies[] = {"IPAGothic", "DejaVu Sans Mono"};
    if (device == nullptr || height <= 0) {
        return nullptr;
    }
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
        return nullptr;
    }
    const std::string path = FindFontFile(kFamilies, 2);
    if (path.empty()) {
        return nullptr;
    }
    TTF_Font* font = TTF_OpenFont(path.c_str(), height);
    if (font == nullptr) {
        return nullptr;
    }
    if (weight >= 600) {
        TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    }
    return new Font(device, font, path);
}

Font::Font(Device* device, TTF_Font* font, std::string filePath)
    : device(device), font(font), filePath(std::move(filePath)) {}

Font::~Font() {
    if (TTF_WasInit() != 0) {
        TTF_CloseFont(font);
    }
}

int Font::LineHeight() const {
    return TTF_FontHeight(font);
}

int Font::LineWidth(const std::string& line) const {
    int width = 0;
    int height = 0;
    if (line.empty() || TTF_SizeUTF8(font, line.c_str(), &width, &height) != 0) {
        return 0;
    }
    return width;
}

int Font::DrawText(const char* text, Rect* rect, std::uint32_t format, std::uint32_t colour) {
    if (text == nullptr || rect == nullptr) {
        return 0;
    }
    const std::vector<std::string> lines = SplitLines(text);
    const int lineHeight = LineHeight();
    const int blockHeight = lineHeight * static_cast<int>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const std::string& line : lines) {
            widest = std::max(widest, LineWidth(line));
        }
        rect->right = rect->left + widest;
        rect->bottom = rect->top + blockHeight;
        return blockHeight;
    }

    int y = rect->top;
    if ((format & DT_BOTTOM) != 0) {
        y = rect->bottom - blockHeight;
    } else if ((format & DT_VCENTER) != 0) {
        y = rect->top + (rect->bottom - rect->top - blockHeight) / 2;
    }
    SDL_Renderer* renderer = device->GetSdlRenderer();
    const SDL_Color white{255, 255, 255, 255};
    for (const std::string& line : lines) {
        if (!line.empty()) {
            SDL_Surface* surface = TTF_RenderUTF8_Blended(font, line.c_str(), white);
            if (surface != nullptr) {
                int x = rect->left;
                if ((format & DT_RIGHT) != 0) {
                    x = rect->right - surface->w;
                } else if ((format & DT_CENTER) != 0) {
                    x = rect->left + (rect->right - rect->left - surface->w) / 2;
                }
                SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
                if (texture != nullptr) {
                    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
                    SDL_SetTextureColorMod(texture, static_cast<Uint8>(colour >> 16),
                                           static_cast<Uint8>(colour >> 8), static_cast<Uint8>(colour));
                    SDL_SetTextureAlphaMod(texture, static_cast<Uint8>(colour >> 24));
                    const SDL_Rect destination{x, y, surface->w, surface->h};
                    SDL_RenderCopy(renderer, texture, nullptr, &destination);
                    SDL_DestroyTexture(texture);
                }
                SDL_FreeSurface(surface);
            }
        }
        y += lineHeight;
    }
    return blockHeight;
}

}  // namespace platform
