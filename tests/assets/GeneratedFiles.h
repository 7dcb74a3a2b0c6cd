#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace assets_test {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct Rgba {
    std::uint8_t r, g, b, a;
    bool operator==(const Rgba&) const = default;
};

inline constexpr Rgba kMagenta{255, 0, 255, 255};
inline constexpr Rgba kWhite{255, 255, 255, 255};

std::string ImagePath(const std::string& name);
std::string CuePath(const std::string& name);

// Loads a generated picture as ARGB8888 (null if it does not load).
Surface LoadImage(const std::string& path);
Rgba PixelAt(const SDL_Surface* surface, int x, int y);

// How many pixels equal `key`, and how many of those are reached from the border through key pixels.
struct KeyRegions {
    int keyed = 0;
    int reachedFromBorder = 0;
};
KeyRegions CountKeyRegions(const SDL_Surface* surface, Rgba key);

std::vector<std::uint8_t> ReadBytes(const std::string& path);

}  // namespace assets_test
