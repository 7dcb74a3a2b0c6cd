#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen {

// Every picture the game loads, in the order they are painted, with how each is written to disk.
class ImageSet {
public:
    enum class Kind {
        KeyedBmp,   // 24-bit BMP, uncovered pixels become the key colour
        OpaqueBmp,  // 24-bit BMP drawn edge to edge
        AlphaPng,   // 32-bit PNG keeping its coverage as alpha
    };

    struct Entry {
        std::string name;
        Kind kind;
        Colour key;
        Canvas canvas;
    };

    void Add(std::string name, Kind kind, Canvas canvas, Colour key = palette::kKeyMagenta);
    const std::vector<Entry>& Entries() const { return m_entries; }

    // The picture exactly as written to disk (24-bit keyed / opaque, or 32-bit with alpha).
    static SurfacePtr FileSurface(const Entry& entry);
    // Writes every picture into `directory`; on failure `error` names the file and the reason.
    bool WriteAll(const std::string& directory, std::string& error) const;

private:
    std::vector<Entry> m_entries;
};

}  // namespace assetgen
