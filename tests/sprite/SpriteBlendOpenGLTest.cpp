// The blend modes that only a renderer with custom blending can draw exactly, on OpenGL without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "platform/video/SpriteBatcher.h"
#include "platform/video/Video.h"
#include "platform/video/Window.h"
#include "sprite/Sprite.h"
#include "sprite/SpriteTypes.h"
#include "support/ImageFiles.h"

using namespace Corvane;
using testing_support::TemporaryDirectory;
using testing_support::WriteBmp24;

// Mesa's OpenGL drivers keep allocations they never free and are unloaded before the leak check runs, so
// the reports name no module that could be suppressed. Our own code's leaks are checked by the software
// renderer's tests; this program checks pixels only.
extern "C" int __lsan_is_turned_off() {
    return 1;
}

namespace {

class OpenGLBlending : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        if (!platform::InitVideo("Yorun")) {
            GTEST_SKIP() << "no offscreen video driver";
        }
        window = platform::Window::Create("blend", 0, 0, 64, 64);
        ASSERT_NE(window, nullptr);
        platform::D3DPRESENT_PARAMETERS parameters;
        parameters.backBufferWidth = 64;
        parameters.backBufferHeight = 64;
        parameters.presentationInterval = platform::D3DPRESENT_INTERVAL_IMMEDIATE;
        g_pDevice = platform::Device::CreateForWindow(*window, platform::D3DDEVTYPE_HAL, parameters);
        if (g_pDevice == nullptr) {
            GTEST_SKIP() << "no accelerated renderer offscreen";
        }
        g_pSprite = platform::SpriteBatcher::Create(g_pDevice);
        // Texel colour (0x40, 0x80, 0xC0), opaque.
        WriteBmp24(directory.File("texel.bmp"), 8, 8, [](int, int) { return 0x4080C0u; });
        std::filesystem::current_path(directory.Path());
        ASSERT_TRUE(sprite.Load(g_pDevice, "texel.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
    }

    void TearDown() override {
        sprite.Release();
        if (g_pSprite != nullptr) {
            g_pSprite->Release();
            g_pSprite = nullptr;
        }
        delete g_pDevice;
        g_pDevice = nullptr;
        delete window;
    }

    std::uint32_t DrawOver(std::uint32_t background, int blend) {
        g_pDevice->Clear(platform::D3DCLEAR_TARGET, background, 1.0f, 0);
        sprite.x = 10.0f;
        sprite.y = 10.0f;
        sprite.blend = blend;
        sprite.Draw();
        return g_pDevice->ReadPixel(14, 14) & 0xFFFFFF;
    }

    TemporaryDirectory directory;
    platform::Window* window = nullptr;
    CSprite sprite;
};

bool Near(std::uint32_t actual, std::uint32_t expected) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int b = static_cast<int>((expected >> shift) & 0xFF);
        if (a - b > 2 || b - a > 2) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST_F(OpenGLBlending, EraseClearsTheBackgroundUnderOpaqueTexels) {
    EXPECT_TRUE(Near(DrawOver(0xFF608020, BLEND_ERASE), 0x000000))
        << std::hex << DrawOver(0xFF608020, BLEND_ERASE);
}

TEST_F(OpenGLBlending, InvertMultipliesTheImageByTheInvertedBackground) {
    // (0x40, 0x80, 0xC0) × (1 − (0x80, 0x40, 0x00) / 255)
    EXPECT_TRUE(Near(DrawOver(0xFF804000, BLEND_INVERT), 0x2060C0))
        << std::hex << DrawOver(0xFF804000, BLEND_INVERT);
}

TEST_F(OpenGLBlending, MultiplyAddsTheBackgroundToTheProductOfBoth) {
    // (0x40, 0x80, 0xC0) × (0x80, 0x40, 0x20) / 255 + (0x80, 0x40, 0x20) × 1
    EXPECT_TRUE(Near(DrawOver(0xFF804020, BLEND_MULTIPLY), 0xA06038))
        << std::hex << DrawOver(0xFF804020, BLEND_MULTIPLY);
}

TEST_F(OpenGLBlending, TheGamesModesDrawAsOnTheSoftwareRenderer) {
    EXPECT_TRUE(Near(DrawOver(0xFF101010, BLEND_NONE), 0x4080C0));
    EXPECT_TRUE(Near(DrawOver(0xFF101010, BLEND_ALPHA), 0x4080C0));
    EXPECT_TRUE(Near(DrawOver(0xFF101010, BLEND_ADD), 0x5090D0));
}
