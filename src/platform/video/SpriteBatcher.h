#pragma once

#include <cstdint>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "platform/system/Types.h"

namespace platform {

class Device;
class Texture;

// The sprite batcher: draws a source rectangle of a texture with its centre point at the origin of the
// current world matrix, modulated by a vertex colour, under the device's blend states. The rectangle's four
// corners are transformed on the CPU and drawn as two triangles with linear filtering.
class SpriteBatcher {
public:
    static SpriteBatcher* Create(Device* device);

    SpriteBatcher(const SpriteBatcher&) = delete;
    SpriteBatcher& operator=(const SpriteBatcher&) = delete;

    HRESULT Begin(std::uint32_t flags);
    HRESULT SetTransform(const glm::mat4& matrix);
    // source null: the whole texture; centre null: the rectangle's top-left; position adds to the matrix's
    // translation.
    HRESULT Draw(Texture* texture, const Rect* source, const glm::vec3* centre, const glm::vec3* position,
                 std::uint32_t colour);
    HRESULT End();

    void Release();

    Device* GetDevice() const { return device; }

private:
    explicit SpriteBatcher(Device* device) : device(device) {}
    ~SpriteBatcher() = default;

    Device* device;
    glm::mat4 transform{1.0f};
    bool begun = false;
};

}  // namespace platform
