#include "app/Graphics.h"

#include <gtest/gtest.h>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/constants.hpp>
#include <string>

#include "app/Application.h"
#include "app/Diagnostics.h"
#include "platform/video/Device.h"
#include "platform/video/Texture.h"
#include "support/SoftwareGraphics.h"

using Corvane::g_pDevice;
using Corvane::g_pGraphics;
using testing_support::ColoursNear;
using testing_support::SoftwareGraphics;
using namespace platform;

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kGrey = 0xFF808080;

class Graphics : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics.Ready());
        graphics.Clear(kBlack);
    }
    SoftwareGraphics graphics;
};

}  // namespace

TEST_F(Graphics, DrawTextIsGreenWithAOnePixelGreyShadowToTheLowerRight) {
    g_pGraphics->DrawText(100, 100, "HELLO 123");
    const int green = graphics.CountNear(100, 100, 220, 130, kGreen, 0);
    const int grey = graphics.CountNear(100, 100, 220, 130, kGrey, 0);
    EXPECT_GT(green, 40);
    EXPECT_GT(grey, 5);
    // Nothing above or left of the text's origin.
    EXPECT_EQ(graphics.CountNear(0, 0, 800, 99, kBlack, 0), 800 * 99);
    EXPECT_EQ(graphics.CountNear(0, 100, 99, 130, kBlack, 0), 99 * 30);
    // Every grey pixel is the shadow of a glyph pixel one up and one left.
    for (int y = 101; y < 130; ++y) {
        for (int x = 101; x < 220; ++x) {
            if (graphics.Pixel(x, y) == kGrey) {
                EXPECT_NE(graphics.Pixel(x - 1, y - 1), kBlack) << x << "," << y;
            }
        }
    }
}

TEST_F(Graphics, DrawTextWithoutAFontDrawsNothing) {
    Font* font = g_pGraphics->font;
    g_pGraphics->font = nullptr;
    g_pGraphics->DrawText(10, 10, "x");
    g_pGraphics->font = font;
    EXPECT_EQ(graphics.CountNear(0, 0, 100, 60, kBlack, 0), 100 * 60);
}

TEST_F(Graphics, FrameRectOutlinesTheRectangleOnly) {
    g_pGraphics->DrawFrameRect(100, 50, 200, 150, 0xFFFF0000);
    EXPECT_TRUE(ColoursNear(graphics.Pixel(100, 50), 0xFFFF0000, 0));
    EXPECT_TRUE(ColoursNear(graphics.Pixel(150, 50), 0xFFFF0000, 0));
    EXPECT_TRUE(ColoursNear(graphics.Pixel(100, 100), 0xFFFF0000, 0));
    EXPECT_TRUE(ColoursNear(graphics.Pixel(200, 100), 0xFFFF0000, 0));
    EXPECT_TRUE(ColoursNear(graphics.Pixel(150, 150), 0xFFFF0000, 0));
    EXPECT_EQ(graphics.CountNear(102, 52, 198, 148, kBlack, 0), 96 * 96);
}

TEST_F(Graphics, DebugEntriesDrawThroughTheGraphicsObject) {
    Corvane::DebugPrint(nullptr, 20, 20, "%d%s", 42, "px");
    EXPECT_GT(graphics.CountNear(20, 20, 80, 45, kGreen, 0), 10);
    Corvane::DebugRect(300, 300, 320, 320, 0xFF0000FF);
    EXPECT_TRUE(ColoursNear(graphics.Pixel(300, 310), 0xFF0000FF, 0));
}

TEST_F(Graphics, TheBannerIsDarkGreyWithTheFrameworkVersionAtTheLowerRight) {
    Corvane::CApplication application;
    application.width = 800;
    application.height = 600;
    application.PaintBanner();
    EXPECT_TRUE(ColoursNear(graphics.Pixel(10, 10), 0xFF404040, 0));
    EXPECT_TRUE(ColoursNear(graphics.Pixel(400, 300), 0xFF404040, 0));
    // The first line stands right-aligned in the band from 5/6 of the height, ending 50 pixels from the
    // right.
    EXPECT_GT(graphics.CountNear(550, 500, 750, 525, 0xFFC0C0C0, 0), 20);
    EXPECT_EQ(graphics.CountNear(751, 500, 800, 600, 0xFF404040, 0), 49 * 100);
    EXPECT_GT(graphics.CountNear(450, 530, 750, 560, 0xFF808080, 0), 20);
    EXPECT_EQ(graphics.CountNear(0, 0, 800, 499, 0xFF404040, 0), 800 * 499);
}

TEST(GraphicsRelease, LeavesEveryGlobalNull) {
    { SoftwareGraphics graphics; }
    EXPECT_EQ(g_pDevice, nullptr);
    EXPECT_EQ(Corvane::g_pSprite, nullptr);
    EXPECT_EQ(Corvane::g_pD3D, nullptr);
}
