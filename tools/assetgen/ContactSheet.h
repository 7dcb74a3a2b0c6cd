#pragma once

#include <string>

#include "ImageSet.h"
#include "Lettering.h"

namespace assetgen {

// One PNG showing every picture as the game will see it, keyed pixels as a checkerboard, each captioned
// with its file name: the page to review the art on.
class ContactSheet {
public:
    static bool Write(const ImageSet& images, const Lettering& lettering, const std::string& path,
                      std::string& error);
};

}  // namespace assetgen
