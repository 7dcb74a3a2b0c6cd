#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen {

// Every picture the game loads, in the order they are painted, with how each is written to disk. Each is
// painted twice: at the game's size, the file the game loads, and at a higher scale, its sharp twin in
// sharp/ (the file's name with .png), which the game draws from when the picture is shown larger. The twin
// keeps its coverage as alpha, so its edges are smooth where the game's own file has a colour key.
class ImageSet {
public:
    using Painter = std::function<Canvas(int scale)>;
    // At least twice the game's size: full screen on a 1920 × 1080 display shows the pictures 1.8 times
    // their size.
    static constexpr int kSharpScale = 2;

    enum class Kind {
        KeyedBmp,   // 24-bit BMP, uncovered pixels become the key colour
        OpaqueBmp,  // 24-bit BMP drawn edge to edge
        AlphaPng,   // 32-bit PNG keeping its coverage as alpha
    };

    struct Entry {
        std::string name;
        Kind kind;
        Colour key;
        Canvas canvas;  // at the game's size
        Painter painter;
        int sharpScale;
    };

    void Add(std::string name, Kind kind, Painter painter, int sharpScale = kSharpScale,
             Colour key = palette::kKeyMagenta);
    const std::vector<Entry>& Entries() const { return m_entries; }

    // The picture exactly as written to disk (24-bit keyed / opaque, or 32-bit with alpha).
    static SurfacePtr FileSurface(const Entry& entry);
    // The sharp twin's file name: sharp/ and the name with .png for its extension.
    static std::string SharpName(const std::string& name);
    // Writes every picture into `directory`, and its sharp twin into `directory`/sharp; on failure `error`
    // names the file and the reason.
    bool WriteAll(const std::string& directory, std::string& error) const;

private:
    std::vector<Entry> m_entries;
};

}  // namespace assetgen
