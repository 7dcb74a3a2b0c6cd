#pragma once

#include <cstdint>

namespace Corvane {

// Column markers that end a sequence.
constexpr std::int32_t ANIM_LOOP = -1;  // repeat from cell 0
constexpr std::int32_t ANIM_HOLD = -2;  // stay on the cell before the marker

// One step of a sequence: how long it shows (in frame-time units) and which cell of the grid.
struct AnimCell {
    std::int32_t duration = 0;
    std::int32_t column = 0;
    std::int32_t row = 0;
};

// A sequence of up to 30 cells over a grid of equal cells in a texture.
struct AnimTable {
    static constexpr int kCellCount = 30;

    std::int32_t cellWidth = 0;
    std::int32_t cellHeight = 0;
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    AnimCell cells[kCellCount] = {};
};

// A still picture: one cell shown for good.
inline AnimTable StillAnimTable(std::int32_t width, std::int32_t height, std::int32_t duration = 5) {
    AnimTable table;
    table.cellWidth = width;
    table.cellHeight = height;
    table.cells[0] = AnimCell{duration, 0, 0};
    table.cells[1] = AnimCell{0, ANIM_HOLD, 0};
    return table;
}

}  // namespace Corvane
