#pragma once

#include <cstdint>

struct SDL_Texture;

namespace platform {

class Device;

// Sets the texture's blend mode from the device's three blend states and returns the vertex colour to draw
// with. Blending off is drawn as alpha blending with the vertex alpha forced to opaque: like the device's
// default alpha test, that hides fully transparent (keyed) texels and copies the rest. Factor pairs without
// a standard SDL mode use a custom mode; a renderer that refuses it gets the nearest standard mode, said
// once on standard error.
std::uint32_t ApplyBlendStates(const Device& device, SDL_Texture* texture, std::uint32_t colour);

}  // namespace platform
