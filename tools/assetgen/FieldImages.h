#pragma once

#include "ImageSet.h"

namespace assetgen {

// The play field: background, the four targets and their shadow, the four arrows, the aim reticle and the
// arrow-stock icons.
void PaintFieldImages(ImageSet& images);

// One target face (colour 0–3) centred at (cx, cy) with outer radius r; the menus reuse it as a motif.
void PaintTargetFace(Canvas& canvas, int colour, float cx, float cy, float r);

}  // namespace assetgen
