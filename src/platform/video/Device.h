#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>

#include "platform/system/Types.h"
#include "platform/video/DeviceTypes.h"

struct SDL_Renderer;
struct SDL_Surface;

namespace platform {

class SharpTextures;
class Texture;
class Window;
struct DeviceLife;

// The graphics device over an SDL renderer. The framework sets render states, texture stages and
// transforms as a 3D device wants them, and every such call is accepted; but the drawing here is 2D (the
// sprite batcher transforms on the CPU and the renderer blends), so the device keeps only what a draw
// reads: the three blend states, which the sprite batcher and the line strips turn into the renderer's blend
// mode. Every other render state, texture stage state, stage texture and transform is checked and dropped;
// reading one back gives 0 or null. Scene begin and end have no counterpart in SDL and only track state.
class Device {
public:
    // A renderer for the window: accelerated for the hardware type, software for the reference type. The
    // back buffer size becomes the renderer's logical size, so a resized window keeps the picture's shape.
    static Device* CreateForWindow(Window& window, D3DDEVTYPE type, const D3DPRESENT_PARAMETERS& parameters);
    // The software renderer drawing into an ARGB surface of the given size: the headless device. The back
    // buffer is the surface's size, or the picture size given, shown scaled to fill the surface.
    static Device* CreateForSurface(int width, int height, int pictureWidth = 0, int pictureHeight = 0);

    ~Device();

    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    HRESULT SetRenderState(D3DRENDERSTATETYPE state, std::uint32_t value);
    std::uint32_t GetRenderState(D3DRENDERSTATETYPE state) const;
    HRESULT SetTextureStageState(std::uint32_t stage, D3DTEXTURESTAGESTATETYPE type, std::uint32_t value);
    HRESULT SetTexture(std::uint32_t stage, Texture* texture);
    // Null: the sprite batcher draws with the texture it is given, never with a stage's.
    Texture* GetTexture(std::uint32_t stage) const;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE type, const glm::mat4& matrix);

    HRESULT Clear(std::uint32_t flags, std::uint32_t colour, float z, std::uint32_t stencil);
    HRESULT BeginScene();
    HRESULT EndScene();
    HRESULT Present();

    // Lines through the vertices with the vertex colours (one colour per line, its first vertex's),
    // blended when alpha blending is on.
    HRESULT DrawLineStrip(const ScreenVertex* vertices, std::uint32_t lineCount);

    // A texture of the given size with ARGB pixels (pitch in bytes); null when the renderer refuses it.
    Texture* CreateTexture(int width, int height, const std::uint32_t* pixels, int pitch);
    // A texture of the given size made and filled later with the picture (a 32-bit ARGB surface, taken) at
    // its top-left, the rest transparent black: after a frame, one texture a frame, or when it is first
    // drawn. Loading every picture before the first frame then makes only the textures that frame shows; the
    // rest are made while the title is up. Should the renderer refuse it then, it draws nothing, and standard
    // error says so.
    Texture* CreateTextureUploadedLater(int width, int height, SDL_Surface* picture);
    // The texture, holding an image of the given size, has a sharp twin in the file at `path`, to draw from
    // once the picture is shown larger than the back buffer (SharpTextures).
    void NoteSharpTwin(Texture* texture, std::string path, int imageWidth, int imageHeight);

    // Reads back ARGB pixels of the picture (logical pixels on a window). False when the renderer cannot.
    bool ReadPixels(int x, int y, int width, int height, std::uint32_t* argb) const;
    std::uint32_t ReadPixel(int x, int y) const;

    int GetBackBufferWidth() const { return backBufferWidth; }
    int GetBackBufferHeight() const { return backBufferHeight; }
    // The renderer's own name, as SDL reports it ("opengl", "software", ...).
    const char* GetRendererName() const { return rendererName.c_str(); }
    bool IsInScene() const { return inScene; }
    // Whole-number scaling of the picture from the next frame on, where the window is large enough for it.
    void SetIntegerScale(bool on) { integerScaleWanted = on; }
    bool WantsIntegerScale() const { return integerScaleWanted; }
    bool PresentsWithVsync() const { return vsync; }
    SDL_Renderer* GetSdlRenderer() const { return renderer; }

private:
    Device(SDL_Renderer* renderer, SDL_Surface* surface, int width, int height);
    // Sets whole-number scaling on or off for a target of the given size.
    void FitIntegerScale(int outputWidth, int outputHeight);

    SDL_Renderer* renderer;
    SDL_Surface* surface;
    int backBufferWidth;
    int backBufferHeight;
    std::string rendererName;
    bool vsync = false;
    bool inScene = false;
    // Whole-number scaling was asked for, and whether the renderer scales so now.
    bool integerScaleWanted = false;
    bool integerScaleOn = false;
    // The blend states as a device starts: blending off, the source copied over the destination.
    std::uint32_t alphaBlendEnable = 0;
    D3DBLEND sourceBlend = D3DBLEND_ONE;
    D3DBLEND destinationBlend = D3DBLEND_ZERO;
    // Shared with every texture this device made, which may outlive it.
    std::shared_ptr<DeviceLife> life;
    std::unique_ptr<SharpTextures> sharp;
};

}  // namespace platform
