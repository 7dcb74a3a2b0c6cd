#pragma once

#include <cstdint>
#include <deque>
#include <memory>

struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;

namespace platform {

class Device;
class Texture;

// What a texture knows of the device that made it: the device and its renderer while it lives (the device
// null once it is gone), whether the frame being drawn shows the picture larger than its own size, and the
// device's textures whose picture is still held, in the order they were made (a texture leaves the list
// when its picture goes in, or when it goes).
struct DeviceLife {
    Device* device = nullptr;
    SDL_Renderer* renderer = nullptr;
    bool shownLarger = false;
    std::deque<Texture*> holding;
};

// A texture made by a device, shared by reference count. A texture may outlive the device that made it (the
// game's images are released after the framework has released the device): SDL destroys the texture with
// its renderer then, and the handle draws nothing and releases only itself.
class Texture {
public:
    // Takes the SDL texture, which the device's renderer made; null for a texture made when its held
    // picture goes in.
    static Texture* Create(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height);

    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    std::uint32_t AddRef();
    std::uint32_t Release();

    // Size of the texture's top level.
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    // What to draw from: the sharp twin while the picture is shown larger than its own size and the twin is
    // in, the texture's own pixels otherwise. Null once the device is gone. A picture still held goes in
    // first.
    SDL_Texture* GetSdlTexture() {
        UploadHeld();
        if (life->device == nullptr) {
            return nullptr;
        }
        return life->shownLarger && sharp != nullptr ? sharp : texture;
    }
    Device* GetDevice() const { return life->device; }

    // Keeps a picture (a 32-bit ARGB surface, taken) to put in at the texture's top-left later, the rest of
    // the texture transparent black: after a frame, or when it is first drawn, whichever comes first. The
    // SDL texture is made then too.
    void HoldPicture(SDL_Surface* picture);
    // Puts a held picture in now; nothing when none is held.
    void UploadHeld();
    // A texture of the same picture at a whole multiple of its size (the pixels laid out alike), to draw from
    // while the picture is shown larger: the size and everything drawn from it stay as they are, only
    // finer. Takes the texture.
    void Sharpen(SDL_Texture* sharper);

private:
    Texture(std::shared_ptr<DeviceLife> life, SDL_Texture* texture, int width, int height);
    ~Texture();

    void ForgetHeld();

    std::uint32_t references = 1;
    std::shared_ptr<DeviceLife> life;
    SDL_Texture* texture;
    SDL_Texture* sharp = nullptr;
    int width;
    int height;
    SDL_Surface* held = nullptr;
};

}  // namespace platform
