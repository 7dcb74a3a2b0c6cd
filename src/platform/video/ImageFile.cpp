#include "platform/video/ImageFile.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

// The formats the loader reads, told apart by their signatures.
enum class ImageFormat { Unknown, Bmp, Png };

std::uint32_t LittleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

// Reads the format and the declared size from the start of the file, so that a file declaring an image too
// large for the loader is refused before the decoder allocates its pixels. Only BMP and PNG are read: the
// image library would also try every other format it knows, and some of its readers leak on damaged files.
ImageFormat ReadHeader(SDL_RWops* source, std::int64_t* width, std::int64_t* height) {
    std::uint8_t header[26] = {};
    const std::size_t got = SDL_RWread(source, header, 1, sizeof(header));
    if (SDL_RWseek(source, 0, RW_SEEK_SET) != 0 || got != sizeof(header)) {
        return ImageFormat::Unknown;
    }
    static constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::equal(std::begin(kPngSignature), std::end(kPngSignature), header)) {
        *width = BigEndian32(header + 16);
        *height = BigEndian32(header + 20);
        return ImageFormat::Png;
    }
    if (header[0] == 'B' && header[1] == 'M') {
        const std::uint32_t infoSize = LittleEndian32(header + 14);
        if (infoSize == 12) {
            // The old core header: 16-bit sizes.
            *width = static_cast<std::int16_t>(header[18] | header[19] << 8);
            *height = static_cast<std::int16_t>(header[20] | header[21] << 8);
        } else {
            *width = static_cast<std::int32_t>(LittleEndian32(header + 18));
            // A negative height is a top-down image of that many rows.
            *height = static_cast<std::int32_t>(LittleEndian32(header + 22));
        }
        if (*height < 0) {
            *height = -*height;
        }
        return ImageFormat::Bmp;
    }
    return ImageFormat::Unknown;
}

// Walks a PNG file's chunks from the signature to the closing IEND chunk; each must fit in what is left of
// the file. The image library's read callback ignores short reads, so the PNG reader never learns that the
// file has ended: past the end it keeps parsing whatever its buffers held from its last read as one chunk
// after another, with a warning for each, for minutes. A file whose chunks reach IEND keeps every read
// inside the file; bytes after IEND are never read and are allowed.
bool PngChunksReachTheirEnd(SDL_RWops* source) {
    const Sint64 size = SDL_RWsize(source);
    Sint64 position = 8;
    bool reachedEnd = false;
    while (!reachedEnd && position + 12 <= size) {
        std::uint8_t chunk[8] = {};
        if (SDL_RWseek(source, position, RW_SEEK_SET) < 0 ||
            SDL_RWread(source, chunk, 1, sizeof(chunk)) != 8) {
            break;
        }
        const Sint64 length = BigEndian32(chunk);
        if (length > size - position - 12) {
            break;
        }
        position += 12 + length;
        reachedEnd = std::equal(chunk + 4, chunk + 8, "IEND");
    }
    return SDL_RWseek(source, 0, RW_SEEK_SET) == 0 && reachedEnd;
}

}  // namespace

SDL_Surface* ReadImageFile(const char* path) {
    SDL_RWops* source = SDL_RWFromFile(path, "rb");
    if (source == nullptr) {
        return nullptr;
    }
    std::int64_t declaredWidth = 0;
    std::int64_t declaredHeight = 0;
    const ImageFormat format = ReadHeader(source, &declaredWidth, &declaredHeight);
    if (format == ImageFormat::Unknown || declaredWidth <= 0 || declaredHeight <= 0 ||
        declaredWidth > kLargestImageSide || declaredHeight > kLargestImageSide ||
        (format == ImageFormat::Png && !PngChunksReachTheirEnd(source))) {
        SDL_RWclose(source);
        return nullptr;
    }
    SDL_Surface* loaded = IMG_LoadTyped_RW(source, 1, format == ImageFormat::Png ? "PNG" : "BMP");
    if (loaded == nullptr) {
        return nullptr;
    }
    if (loaded->w <= 0 || loaded->h <= 0 || loaded->w > kLargestImageSide || loaded->h > kLargestImageSide) {
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    // 24-bit BMPs arrive as BGR and PNGs as ABGR: one format for everything after.
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    return argb;
}

void ClearColourKey(SDL_Surface* argb, std::uint32_t colourKey) {
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(argb->pixels) + y * argb->pitch);
        std::replace(row, row + argb->w, colourKey, 0u);
    }
    SDL_UnlockSurface(argb);
}

std::vector<std::uint32_t> PixelsInBuffer(SDL_Surface* argb, int bufferWidth, int bufferHeight, bool keyed,
                                          std::uint32_t colourKey) {
    std::vector<std::uint32_t> pixels(
        static_cast<std::size_t>(bufferWidth) * static_cast<std::size_t>(bufferHeight), 0u);
    const int width = std::min(argb->w, bufferWidth);
    const int height = std::min(argb->h, bufferHeight);
    SDL_LockSurface(argb);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
        std::uint32_t* destination =
            &pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bufferWidth)];
        for (int x = 0; x < width; ++x) {
            destination[x] = keyed && row[x] == colourKey ? 0u : row[x];
        }
    }
    SDL_UnlockSurface(argb);
    return pixels;
}

}  // namespace platform
