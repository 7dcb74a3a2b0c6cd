#pragma once

#include "ImageSet.h"
#include "Lettering.h"

namespace assetgen {

// The head-up display: digit strips, captions, the fire-key caps, the plus and minus signs, the dark band
// and the out-of-arrows notice.
void PaintHudImages(const Lettering& lettering, ImageSet& images);

}  // namespace assetgen
