#pragma once

#include <string>

namespace assetgen {

// The desktop icon: a target of the game's four colours with an arrow in its centre, on a transparent
// square, drawn in proportion to the size so every icon size is painted, not resampled.
class AppIcon {
public:
    static constexpr int kMinimumSize = 16;
    static constexpr int kMaximumSize = 1024;

    static bool Write(int size, const std::string& path, std::string& error);
};

}  // namespace assetgen
