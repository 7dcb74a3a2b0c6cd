#include "sprite/SpriteDesc.h"

#include <cstdio>

namespace Corvane {

SpriteDesc MakeSpriteDesc(const char* fileName, const AnimTable& anim) {
    SpriteDesc desc;
    std::snprintf(desc.fileName, sizeof(desc.fileName), "%s", fileName != nullptr ? fileName : "");
    desc.anim = anim;
    return desc;
}

}  // namespace Corvane
