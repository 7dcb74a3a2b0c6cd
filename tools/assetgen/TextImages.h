#pragma once

#include "ImageSet.h"
#include "Lettering.h"

namespace assetgen {

// The game's text fonts: the printable ASCII characters, space to tilde, in a grid of 16 cells by 6 rows
// (the cell of character c is number c − 32, counted along the rows), monospaced so that the game can set
// any line of text from the cell size alone.
void PaintTextImages(const Lettering& lettering, ImageSet& images);

}  // namespace assetgen
