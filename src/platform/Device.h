#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <glm/mat4x4.hpp>

#include "platform/DeviceTypes.h"
#include "platform/Types.h"

struct SDL_Renderer;
struct SDL_Surface;

namespace platform {

class Texture;
class Window;

// The graphics device over an SDL renderer. It keeps the render-state table, the texture stages and the
// transforms that the framework sets and reads back; the sprite batcher turns the blend states into the
// renderer's blend mode for each draw. Scene begin and end have no counterpart in SDL and only track state.
class Device {
public:
    // A renderer for the window: accelerated for the hardware type, software for the reference type. The
    // back buffer size becomes the renderer's logical size, so a resized window keeps the picture's shape.
    static Device* CreateForWindow(Window& window, D3DDEVTYPE type, const D3DPRESENT_PARAMETERS& parameters);
    // The software renderer drawing into an ARGB surface of the given size: the headless device.
    static Device* CreateForSurface(int width, int height);

    ~Device();

    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    HRESULT SetRenderState(D3DRENDERSTATETYPE state, std::uint32_t value);
    std::uint32_t GetRenderState(D3DRENDERSTATETYPE state) const;
    HRESULT SetTextureStageState(std::uint32_t stage, D3DTEXTURESTAGESTATETYPE type, std::uint32_t value);
    std::uint32_t GetTextureStageState(std::uint32_t stage, D3DTEXTURESTAGESTATETYPE type) const;
    // The device holds a reference to the texture of each stage.
    HRESULT SetTexture(std::uint32_t stage, Texture* texture);
    // Returns the stage's texture with a reference added for the caller, or null.
    Texture* GetTexture(std::uint32_t stage) const;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE type, const glm::mat4& matrix);
    glm::mat4 GetTransform(D3DTRANSFORMSTATETYPE type) const;

    HRESULT Clear(std::uint32_t flags, std::uint32_t colour, float z, std::uint32_t stencil);
    HRESULT BeginScene();
    HRESULT EndScene();
    HRESULT Present();

    // Lines through the vertices with the vertex colours (one colour per line, its first vertex's),
    // blended when alpha blending is on.
    HRESULT DrawLineStrip(const ScreenVertex* vertices, std::uint32_t lineCount);

    // A texture of the given size with ARGB pixels (pitch in bytes); null when the renderer refuses it.
    Texture* CreateTexture(int width, int height, const std::uint32_t* pixels, int pitch);

    // Reads back ARGB pixels of the picture (logical pixels on a window). False when the renderer cannot.
    bool ReadPixels(int x, int y, int width, int height, std::uint32_t* argb) const;
    std::uint32_t ReadPixel(int x, int y) const;

    int GetBackBufferWidth() const { return backBufferWidth; }
    int GetBackBufferHeight() const { return backBufferHeight; }
    // The renderer's own name, as SDL reports it ("opengl", "software", ...).
    const char* GetRendererName() const { return rendererName.c_str(); }
    bool IsInScene() const { return inScene; }
    bool PresentsWithVsync() const { return vsync; }
    SDL_Renderer* GetSdlRenderer() const { return renderer; }

private:
    friend class Texture;

    Device(SDL_Renderer* renderer, SDL_Surface* surface, int width, int height);
    void SetDefaultDeviceStates();
    // Sets whole-number scaling on or off for a target of the given size.
    void FitIntegerScale(int outputWidth, int outputHeight);
    void ForgetTexture(Texture* texture);

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
    std::array<std::uint32_t, kRenderStateCount> renderStates{};
    std::array<std::array<std::uint32_t, kTextureStageStateCount>, kTextureStageCount> stageStates{};
    std::array<Texture*, kTextureStageCount> stageTextures{};
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    glm::mat4 world{1.0f};
    // Every live texture this device made, so that they can be detached when it goes.
    Texture* textures = nullptr;
};

}  // namespace platform
