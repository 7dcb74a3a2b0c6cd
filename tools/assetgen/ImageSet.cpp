#include "ImageSet.h"

#include <SDL_image.h>

#include <utility>

namespace assetgen {

void ImageSet::Add(std::string name, Kind kind, Canvas canvas, Colour key) {
    m_entries.push_back(Entry{std::move(name), kind, key, std::move(canvas)});
}

SurfacePtr ImageSet::FileSurface(const Entry& entry) {
    switch (entry.kind) {
        case Kind::KeyedBmp:
            return entry.canvas.Keyed(entry.key);
        case Kind::OpaqueBmp:
            return entry.canvas.Opaque();
        case Kind::AlphaPng:
            break;
    }
    return entry.canvas.WithAlpha();
}

bool ImageSet::WriteAll(const std::string& directory, std::string& error) const {
    for (const Entry& entry : m_entries) {
        const std::string path = directory + "/" + entry.name;
        SurfacePtr surface = FileSurface(entry);
        const int result = entry.kind == Kind::AlphaPng ? IMG_SavePNG(surface.get(), path.c_str())
                                                        : SDL_SaveBMP(surface.get(), path.c_str());
        if (result != 0) {
            error = "cannot write " + path + ": " + SDL_GetError();
            return false;
        }
    }
    return true;
}

}  // namespace assetgen
