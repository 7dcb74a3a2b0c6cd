#include "base/DeviceHandles.h"

namespace Corvane {

platform::Direct3D* g_pD3D = nullptr;
platform::Device* g_pDevice = nullptr;
platform::SpriteBatcher* g_pSprite = nullptr;

}  // namespace Corvane
