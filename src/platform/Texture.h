#pragma once

#include <cstdint>

struct SDL_Texture;

namespace platform {

class Device;

// A texture made by a device, shared by reference count. A texture may outlive the device that made it (the
// game's images are released after the framework has released the device): the device detaches its
// textures when it goes, and a detached texture draws nothing and releases only itself.
class Texture {
public:
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    std::uint32_t AddRef();
    std::uint32_t Release();

    // Size of the texture's top level.
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    // Null once the device is gone.
    SDL_Texture* GetSdlTexture() const { return texture; }
    Device* GetDevice() const { return device; }

private:
    friend class Device;

    Texture(Device* device, SDL_Texture* texture, int width, int height);
    ~Texture();

    // The device is going away and takes the SDL texture with it.
    void Detach();

    std::uint32_t references = 1;
    Device* device;
    SDL_Texture* texture;
    int width;
    int height;
    Texture* previous = nullptr;
    Texture* next = nullptr;
};

}  // namespace platform
