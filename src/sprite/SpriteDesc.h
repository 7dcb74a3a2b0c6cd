#pragma once

#include "sprite/AnimTable.h"

namespace Corvane {

// How to create one image of a set: its file and its animation table.
struct SpriteDesc {
    char fileName[256] = {};
    AnimTable anim;
};

// A creation record for a file with the given table.
SpriteDesc MakeSpriteDesc(const char* fileName, const AnimTable& anim);

}  // namespace Corvane
