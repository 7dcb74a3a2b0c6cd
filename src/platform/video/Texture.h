#pragma once

#include <cstdint>
#include <memory>

struct SDL_Texture;

namespace platform {

class Device;

// What a texture knows of the device that made it: the device while it lives, null once it is gone.
struct DeviceLife {
    Device* device = nullptr;
};

// A texture made by a device, shared by reference count. A texture may outlive the device that made it (the
// game's images are released after the framework has released the device): SDL destroys the texture with
// its renderer then, and the handle draws nothing and releases only itself.
class Texture {
public:
    // Takes the SDL texture, which the device's renderer made.
    static Texture* Create(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height);

    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    std::uint32_t AddRef();
    std::uint32_t Release();

    // Size of the texture's top level.
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    // Null once the device is gone.
    SDL_Texture* GetSdlTexture() const { return life->device != nullptr ? texture : nullptr; }
    // Draws from now on from a texture of the same picture at a whole multiple of its size (the pixels laid
    // out alike): the size and everything drawn from it stay as they are, only finer. Takes the texture.
    void Sharpen(SDL_Texture* sharper);
    Device* GetDevice() const { return life->device; }

private:
    Texture(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height);
    ~Texture();

    std::uint32_t references = 1;
    std::shared_ptr<DeviceLife> life;
    SDL_Texture* texture;
    int width;
    int height;
};

}  // namespace platform
