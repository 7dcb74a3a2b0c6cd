#pragma once

namespace platform {
class Device;
class Direct3D;
class SpriteBatcher;
}  // namespace platform

namespace Corvane {

// The graphics device of the main window, the object that made it, and the one sprite batcher: made by the
// graphics object at start-up, valid until shutdown, null before and after.
extern platform::Direct3D* g_pD3D;
extern platform::Device* g_pDevice;
extern platform::SpriteBatcher* g_pSprite;

}  // namespace Corvane
