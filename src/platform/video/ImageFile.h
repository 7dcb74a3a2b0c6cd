#pragma once

#include <cstdint>
#include <vector>

struct SDL_Surface;

namespace platform {

// The largest image side the loader accepts; larger files are refused rather than allocated.
constexpr int kLargestImageSide = 8192;

// Reads a BMP or PNG file into a 32-bit ARGB surface (the caller frees it); null when the file cannot be
// read, is neither of the two, declares a side larger than kLargestImageSide, or is a PNG file whose chunks
// run past its end or stop before IEND. It touches nothing but the file, so any thread may call it.
SDL_Surface* ReadImageFile(const char* path);

// Makes every pixel of the 32-bit ARGB surface that equals the colour key transparent black.
void ClearColourKey(SDL_Surface* argb, std::uint32_t colourKey);

// The surface's pixels at the top-left of a buffer of the given size, transparent black elsewhere; with
// `keyed`, every pixel equal to the ARGB colour key becomes transparent black too.
std::vector<std::uint32_t> PixelsInBuffer(SDL_Surface* argb, int bufferWidth, int bufferHeight, bool keyed,
                                          std::uint32_t colourKey);

}  // namespace platform
