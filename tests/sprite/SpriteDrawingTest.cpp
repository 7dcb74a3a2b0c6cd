#include <gtest/gtest.h>

#include <filesystem>

#include <glm/gtc/constants.hpp>

#include "app/Graphics.h"
#include "platform/video/Device.h"
#include "sprite/Sprite.h"
#include "sprite/SpriteTypes.h"
#include "support/ImageFiles.h"
#include "support/SoftwareGraphics.h"

using namespace Corvane;
using testing_support::ColoursNear;
using testing_support::SoftwareGraphics;
using testing_support::TemporaryDirectory;
using testing_support::WriteBmp24;

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

class SpriteDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics.Ready());
        // 64 × 32: red, with a blue left half of the top row band to tell the orientation, and a magenta
        // (keyed) square at the lower right.
        WriteBmp24(directory.File("marked.bmp"), 64, 32, [](int x, int y) -> std::uint32_t {
            if (x >= 56 && y >= 24) {
                return 0xFF00FF;
            }
            if (x < 32 && y < 8) {
                return 0x0000FF;
            }
            return 0xFF0000;
        });
        WriteBmp24(directory.File("grey.bmp"), 16, 16, [](int, int) { return 0x808080u; });
        std::filesystem::current_path(directory.Path());
        ASSERT_TRUE(sprite.Load(g_pDevice, "marked.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
        graphics.Clear(kBlack);
    }

    // The bounding box of the pixels that are not black.
    struct Box {
        int left = 800, top = 600, right = -1, bottom = -1;
    };
    Box Drawn() const {
        std::vector<std::uint32_t> pixels(800 * 600);
        g_pDevice->ReadPixels(0, 0, 800, 600, pixels.data());
        Box box;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                if ((pixels[y * 800 + x] & 0xFFFFFF) != 0) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
            }
        }
        return box;
    }

    SoftwareGraphics graphics;
    TemporaryDirectory directory;
    CSprite sprite;
};

}  // namespace

TEST_F(SpriteDrawing, AnUnrotatedImageCoversExactlyItsAreaWhateverTheAnchor) {
    for (int anchor = ANCHOR_CENTER; anchor <= ANCHOR_BOTTOM_RIGHT; ++anchor) {
        graphics.Clear(kBlack);
        sprite.x = 100.0f;
        sprite.y = 50.0f;
        sprite.anchor = anchor;
        sprite.Draw();
        const Box box = Drawn();
        EXPECT_EQ(box.left, 100) << "anchor " << anchor;
        EXPECT_EQ(box.top, 50) << "anchor " << anchor;
        EXPECT_EQ(box.right, 164) << "anchor " << anchor;
        EXPECT_EQ(box.bottom, 82) << "anchor " << anchor;
        EXPECT_TRUE(ColoursNear(graphics.Pixel(104, 52), kBlue, 3));
        EXPECT_TRUE(ColoursNear(graphics.Pixel(150, 70), kRed, 3));
    }
}

TEST_F(SpriteDrawing, KeyedPixelsNeverShowEvenWithBlendingOff) {
    for (int blend : {BLEND_ALPHA, BLEND_NONE}) {
        graphics.Clear(0xFF203040);
        sprite.x = 100.0f;
        sprite.y = 50.0f;
        sprite.blend = blend;
        sprite.Draw();
        EXPECT_EQ(graphics.CountNear(158, 76, 164, 82, 0xFF203040, 0), 36) << "blend " << blend;
        EXPECT_TRUE(ColoursNear(graphics.Pixel(150, 60), kRed, 0)) << "blend " << blend;
    }
}

TEST_F(SpriteDrawing, HorizontalFlipMirrorsInPlaceAboutTheCentreAndLeftOfXAboutTheTopLeft) {
    sprite.x = 100.0f;
    sprite.y = 50.0f;
    sprite.flip = FLIP_HORIZONTAL;
    sprite.Draw();
    Box box = Drawn();
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.right, 164);
    EXPECT_TRUE(ColoursNear(graphics.Pixel(160, 52), kBlue, 3));  // the blue band now at the right
    EXPECT_TRUE(ColoursNear(graphics.Pixel(104, 52), kRed, 3));

    graphics.Clear(kBlack);
    sprite.anchor = ANCHOR_TOP_LEFT;
    sprite.Draw();
    box = Drawn();
    EXPECT_EQ(box.left, 36);
    EXPECT_EQ(box.right, 100);
}

TEST_F(SpriteDrawing, AVerticalFlipAboutTheCentreTurnsTheImageUpsideDownInPlace) {
    sprite.x = 100.0f;
    sprite.y = 50.0f;
    sprite.flip = FLIP_VERTICAL;
    sprite.Draw();
    const Box box = Drawn();
    EXPECT_EQ(box.top, 50);
    EXPECT_EQ(box.bottom, 82);
    EXPECT_TRUE(ColoursNear(graphics.Pixel(104, 79), kBlue, 3));
}

TEST_F(SpriteDrawing, AQuarterTurnTurnsClockwiseAboutThePivot) {
    sprite.x = 100.0f;
    sprite.y = 50.0f;
    sprite.rotation = glm::half_pi<float>();
    sprite.Draw();
    const Box box = Drawn();
    // Centred on (132, 66), now 32 wide and 64 high.
    EXPECT_NEAR(box.left, 116, 1);
    EXPECT_NEAR(box.right, 148, 1);
    EXPECT_NEAR(box.top, 34, 1);
    EXPECT_NEAR(box.bottom, 98, 1);
    // The blue band of the top rows is now down the right side, at the upper half.
    EXPECT_TRUE(ColoursNear(graphics.Pixel(144, 40), kBlue, 3));
    EXPECT_TRUE(ColoursNear(graphics.Pixel(120, 40), kRed, 3));
}

TEST_F(SpriteDrawing, ScaleStretchesFromTheTopLeftCorner) {
    sprite.x = 10.0f;
    sprite.y = 20.0f;
    sprite.SetScale(2.0f, 0.5f);
    sprite.Draw();
    const Box box = Drawn();
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 138);
    EXPECT_EQ(box.bottom, 36);
}

TEST_F(SpriteDrawing, HalfOpacityHalvesTheColourOverBlack) {
    sprite.x = 100.0f;
    sprite.y = 50.0f;
    sprite.alpha = 0.5f;
    sprite.Draw();
    EXPECT_TRUE(ColoursNear(graphics.Pixel(150, 70), 0xFF800000, 2));
}

TEST_F(SpriteDrawing, AdditiveBlendingAddsToWhatIsThere) {
    CSprite grey;
    ASSERT_TRUE(grey.Load(g_pDevice, "grey.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
    graphics.Clear(0xFF204060);
    grey.x = 10.0f;
    grey.y = 10.0f;
    grey.blend = BLEND_ADD;
    grey.Draw();
    EXPECT_TRUE(ColoursNear(graphics.Pixel(18, 18), 0xFFA0C0E0, 2));
    grey.Draw();
    EXPECT_TRUE(ColoursNear(graphics.Pixel(18, 18), 0xFFFFFFFF, 2));  // clamped, not wrapped
}

TEST_F(SpriteDrawing, TheBlendStatesAreBackAfterEveryDraw) {
    g_pDevice->SetRenderState(platform::D3DRS_ALPHABLENDENABLE, 1);
    g_pDevice->SetRenderState(platform::D3DRS_SRCBLEND, platform::D3DBLEND_SRCALPHA);
    g_pDevice->SetRenderState(platform::D3DRS_DESTBLEND, platform::D3DBLEND_INVSRCALPHA);
    for (int blend = BLEND_NONE; blend <= BLEND_MULTIPLY + 1; ++blend) {
        sprite.blend = blend;
        sprite.Draw();
        EXPECT_EQ(g_pDevice->GetRenderState(platform::D3DRS_ALPHABLENDENABLE), 1u) << blend;
        EXPECT_EQ(g_pDevice->GetRenderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_SRCALPHA) << blend;
        EXPECT_EQ(g_pDevice->GetRenderState(platform::D3DRS_DESTBLEND), platform::D3DBLEND_INVSRCALPHA)
            << blend;
    }
}

TEST_F(SpriteDrawing, HiddenImagesAndImagesWithoutADeviceDrawNothing) {
    sprite.visible = false;
    sprite.Draw();
    sprite.visible = true;
    sprite.device = nullptr;
    sprite.Draw();
    EXPECT_EQ(Drawn().right, -1);
}

TEST_F(SpriteDrawing, DrawRectDrawsASubRectangleAsIfItWereTheImage) {
    sprite.x = 200.0f;
    sprite.y = 100.0f;
    sprite.DrawRect(0, 0, 10, 32);
    const Box box = Drawn();
    EXPECT_EQ(box.left, 200);
    EXPECT_EQ(box.right, 210);
    EXPECT_EQ(box.bottom, 132);
    EXPECT_TRUE(ColoursNear(graphics.Pixel(205, 102), kBlue, 3));
    EXPECT_EQ(sprite.width, 64);
}
