#pragma once

#include "ImageSet.h"

namespace assetgen {

// The two burst strips shown behind points won and lost: four frames each, drawn additively.
void PaintEffectImages(ImageSet& images);

}  // namespace assetgen
