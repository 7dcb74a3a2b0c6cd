#include "GeneratedFiles.h"

#include <SDL_image.h>

#include <fstream>
#include <iterator>

namespace assets_test {

std::string ImagePath(const std::string& name) {
    return std::string(YORUN_DATA_DIR) + "/mato_bmp/" + name;
}

std::string CuePath(const std::string& name) {
    return std::string(YORUN_DATA_DIR) + "/mato_snd/" + name;
}

Surface LoadImage(const std::string& path) {
    Surface loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        return nullptr;
    }
    return Surface(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

Rgba PixelAt(const SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint32 v = reinterpret_cast<const Uint32*>(row)[x];
    return Rgba{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 24)};
}

KeyRegions CountKeyRegions(const SDL_Surface* surface, Rgba key) {
    const int w = surface->w;
    const int h = surface->h;
    std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
    std::vector<std::pair<int, int>> stack;
    KeyRegions regions;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (PixelAt(surface, x, y) == key) {
                ++regions.keyed;
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                    stack.emplace_back(x, y);
                    seen[static_cast<std::size_t>(y) * w + x] = 1;
                }
            }
        }
    }
    // Four-way flood fill from the border through key pixels.
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        ++regions.reachedFromBorder;
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (const auto& n : next) {
            const int nx = n[0];
            const int ny = n[1];
            if (nx < 0 || ny < 0 || nx >= w || ny >= h) {
                continue;
            }
            char& mark = seen[static_cast<std::size_t>(ny) * w + nx];
            if (mark == 0 && PixelAt(surface, nx, ny) == key) {
                mark = 1;
                stack.emplace_back(nx, ny);
            }
        }
    }
    return regions;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace assets_test
