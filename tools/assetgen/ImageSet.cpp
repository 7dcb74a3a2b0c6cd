#include "ImageSet.h"

#include <SDL_image.h>

#include <filesystem>
#include <system_error>
#include <utility>

namespace assetgen {

void ImageSet::Add(std::string name, Kind kind, Painter painter, int sharpScale, Colour key) {
    Canvas canvas = painter(1);
    m_entries.push_back(Entry{std::move(name), kind, key, std::move(canvas), std::move(painter), sharpScale});
}

std::string ImageSet::SharpName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return "sharp/" + name.substr(0, dot) + ".png";
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
    std::error_code made;
    std::filesystem::create_directories(directory + "/sharp", made);
    for (const Entry& entry : m_entries) {
        const std::string path = directory + "/" + entry.name;
        SurfacePtr surface = FileSurface(entry);
        const int result = entry.kind == Kind::AlphaPng ? IMG_SavePNG(surface.get(), path.c_str())
                                                        : SDL_SaveBMP(surface.get(), path.c_str());
        if (result != 0) {
            error = "cannot write " + path + ": " + SDL_GetError();
            return false;
        }
        const std::string sharpPath = directory + "/" + SharpName(entry.name);
        const Canvas sharp = entry.painter(entry.sharpScale);
        SurfacePtr sharpSurface = entry.kind == Kind::OpaqueBmp ? sharp.Opaque() : sharp.WithAlpha();
        if (IMG_SavePNG(sharpSurface.get(), sharpPath.c_str()) != 0) {
            error = "cannot write " + sharpPath + ": " + SDL_GetError();
            return false;
        }
    }
    return true;
}

}  // namespace assetgen
