#pragma once

#include "ImageSet.h"
#include "Lettering.h"

namespace assetgen {

// The title picture, the menu buttons (plain and highlighted) and the selection pointer.
void PaintMenuImages(const Lettering& lettering, ImageSet& images);

}  // namespace assetgen
