#include "sprite/Sprite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/Graphics.h"
#include "platform/video/Texture.h"
#include "sprite/SpriteTypes.h"
#include "support/ImageFiles.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SoftwareGraphics.h"

using namespace Corvane;
using testing_support::RecordingMessageBoxes;
using testing_support::SoftwareGraphics;
using testing_support::TemporaryDirectory;
using testing_support::WriteBmp24;

namespace {

// Four cells of 3 units each, then back to the start.
AnimTable FourCellLoop() {
    AnimTable table;
    table.cellWidth = 10;
    table.cellHeight = 20;
    for (int cell = 0; cell < 4; ++cell) {
        table.cells[cell] = AnimCell{3, cell, 0};
    }
    table.cells[4] = AnimCell{0, ANIM_LOOP, 0};
    return table;
}

}  // namespace

TEST(SpriteAnimation, ALoopOfFourThreeUnitCellsWrapsAfterFourTenthsAndDropsTheOvershoot) {
    CSprite sprite;
    sprite.AddAnim(FourCellLoop());
    sprite.Advance(0.05f);
    EXPECT_EQ(sprite.cellIndex, 0);
    sprite.Advance(0.1f);
    EXPECT_EQ(sprite.cellIndex, 1);
    EXPECT_EQ(sprite.srcLeft, 10);
    sprite.Advance(0.23f);  // 0.38 s
    EXPECT_EQ(sprite.cellIndex, 3);
    EXPECT_FALSE(sprite.HasLooped());
    sprite.Advance(0.05f);  // 0.43 s: past the end
    EXPECT_EQ(sprite.cellIndex, 0);
    EXPECT_FLOAT_EQ(sprite.elapsed, 0.0f);
    EXPECT_EQ(sprite.loops, 1);
    EXPECT_TRUE(sprite.HasLooped());
}

TEST(SpriteAnimation, AHoldTableShowsItsFirstCellForeverAndCountsOneLoop) {
    CSprite sprite;
    sprite.AddAnim(StillAnimTable(64, 32));
    sprite.Advance(0.1f);
    EXPECT_FALSE(sprite.HasLooped());
    sprite.Advance(0.1f);  // past cell 0's 5 units (0.1667 s)
    EXPECT_TRUE(sprite.HasLooped());
    for (int step = 0; step < 10; ++step) {
        sprite.Advance(1.0f);
    }
    EXPECT_EQ(sprite.cellIndex, 0);
    EXPECT_EQ(sprite.loops, 1);
    EXPECT_GT(sprite.elapsed, 10.0f);
}

TEST(SpriteAnimation, ATableWithoutAMarkerRepeatsAfterItsThirtiethCell) {
    CSprite sprite;
    AnimTable table;
    table.cellWidth = 4;
    table.cellHeight = 4;
    for (int cell = 0; cell < AnimTable::kCellCount; ++cell) {
        table.cells[cell] = AnimCell{1, cell, 0};
    }
    sprite.AddAnim(table);
    sprite.Advance(29.5f / 30.0f);
    EXPECT_EQ(sprite.cellIndex, 29);
    sprite.Advance(1.0f / 30.0f);
    EXPECT_EQ(sprite.cellIndex, 0);
    EXPECT_EQ(sprite.loops, 1);
}

TEST(SpriteAnimation, SelectingTheCurrentTableKeepsItRunningUnlessForced) {
    CSprite sprite;
    sprite.AddAnim(FourCellLoop());
    sprite.AddAnim(FourCellLoop());
    sprite.Advance(0.2f);
    sprite.SetAnim(0, false);
    EXPECT_EQ(sprite.cellIndex, 1);
    EXPECT_FLOAT_EQ(sprite.elapsed, 0.2f);
    sprite.SetAnim(0, true);
    EXPECT_EQ(sprite.cellIndex, 0);
    EXPECT_FLOAT_EQ(sprite.elapsed, 0.0f);
    EXPECT_EQ(sprite.loops, 0);
    sprite.SetAnim(5, true);  // out of range: nothing changes
    EXPECT_EQ(sprite.animIndex, 0);
}

TEST(SpriteAnimation, TablesGrowByFiveAndKeepWhatWasThere) {
    CSprite sprite;
    EXPECT_EQ(sprite.animCapacity, 1);
    for (int table = 0; table < 7; ++table) {
        AnimTable still = StillAnimTable(10 + table, 10);
        ASSERT_TRUE(sprite.AddAnim(still));
    }
    EXPECT_EQ(sprite.animCount, 7);
    EXPECT_EQ(sprite.animCapacity, 11);
    sprite.SetAnim(6, false);
    EXPECT_EQ(sprite.width, 16);
    sprite.SetAnim(0, false);
    EXPECT_EQ(sprite.width, 10);
}

TEST(SpritePivot, SetPivotPositionPlacesTheScaledAnchorPoint) {
    CSprite sprite;
    sprite.AddAnim(StillAnimTable(64, 32));
    sprite.SetScale(2.0f, 2.0f);
    sprite.anchor = ANCHOR_CENTER;
    sprite.SetPivotPosition(400.0f, 300.0f);
    EXPECT_FLOAT_EQ(sprite.x, 336.0f);
    EXPECT_FLOAT_EQ(sprite.y, 268.0f);
    float px = 0.0f;
    float py = 0.0f;
    sprite.anchor = ANCHOR_BOTTOM_RIGHT;
    sprite.GetPivotPosition(&px, &py);
    EXPECT_FLOAT_EQ(px, 336.0f + 128.0f);
    EXPECT_FLOAT_EQ(py, 268.0f + 64.0f);
    sprite.anchor = 42;  // unknown anchors behave as the centre
    sprite.GetPivotPosition(&px, nullptr);
    EXPECT_FLOAT_EQ(px, 400.0f);
}

TEST(SpriteColour, OpacityBecomesTheVertexAlphaRounded) {
    CSprite sprite;
    sprite.alpha = 0.5f;
    EXPECT_EQ(sprite.VertexColour(), 0x80FFFFFFu);
    sprite.alpha = 1.2f;
    EXPECT_EQ(sprite.VertexColour(), 0xFFFFFFFFu);
    sprite.alpha = -0.1f;
    EXPECT_EQ(sprite.VertexColour(), 0x00FFFFFFu);
    sprite.alpha = 0.1f;
    EXPECT_EQ(sprite.VertexColour(), 0x1AFFFFFFu);
}

class LoadedSprite : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics.Ready());
        // Each digit cell of the strip is filled with a colour of its own.
        WriteBmp24(directory.File("PlusFigure.bmp"), 200, 32,
                   [](int x, int) { return 0x100000u * static_cast<std::uint32_t>(x / 20 + 1); });
        WriteBmp24(directory.File("picture.bmp"), 64, 32, [](int, int) { return 0x00FF00u; });
        std::filesystem::current_path(directory.Path());
    }

    SoftwareGraphics graphics;
    TemporaryDirectory directory;
};

TEST_F(LoadedSprite, AnImageWithoutTablesShowsTheWholeFile) {
    CSprite sprite;
    ASSERT_TRUE(sprite.Load(g_pDevice, "picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
    EXPECT_EQ(sprite.width, 64);
    EXPECT_EQ(sprite.height, 32);
    EXPECT_EQ(sprite.imageWidth, 64);
    EXPECT_EQ(sprite.srcLeft, 0);
    EXPECT_STREQ(sprite.fileName, "picture.bmp");
    EXPECT_EQ(std::string(sprite.directory), directory.Path());
    EXPECT_NE(sprite.texture, nullptr);
}

TEST_F(LoadedSprite, AFileThatCannotBeLoadedIsReportedAndLeavesTheImageEmpty) {
    RecordingMessageBoxes boxes;
    CSprite sprite;
    ASSERT_TRUE(sprite.Load(g_pDevice, "picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
    sprite.x = 50.0f;
    EXPECT_FALSE(sprite.Load(g_pDevice, "nothing-here.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: Texture can't load nothing-here.bmp\n");
    EXPECT_EQ(sprite.texture, nullptr);
    EXPECT_EQ(sprite.width, 0);
    EXPECT_FLOAT_EQ(sprite.x, 0.0f);
}

TEST_F(LoadedSprite, CopyToSharesTheTextureAndCopiesTablesAndState) {
    CSprite source;
    ASSERT_TRUE(source.Load(g_pDevice, "picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f));
    for (int table = 0; table < 3; ++table) {
        source.AddAnim(FourCellLoop());
    }
    source.SetAnim(2, false);
    source.Advance(0.15f);
    source.x = 12.0f;
    source.alpha = 0.25f;
    CSprite copy;
    ASSERT_TRUE(source.CopyTo(&copy));
    EXPECT_EQ(copy.texture, source.texture);
    EXPECT_EQ(copy.animCapacity, source.animCapacity);
    EXPECT_EQ(copy.animCount, 3);
    EXPECT_EQ(copy.animIndex, 2);
    EXPECT_EQ(copy.cellIndex, source.cellIndex);
    EXPECT_FLOAT_EQ(copy.elapsed, 0.15f);
    EXPECT_FLOAT_EQ(copy.x, 12.0f);
    EXPECT_FLOAT_EQ(copy.alpha, 0.25f);
    EXPECT_STREQ(copy.fileName, "picture.bmp");
    EXPECT_FALSE(source.CopyTo(nullptr));
    EXPECT_TRUE(source.CopyTo(&source));
    // Both hold their own reference: releasing one leaves the other's texture alive.
    source.Release();
    EXPECT_EQ(copy.texture->GetWidth(), 64);
}

TEST_F(LoadedSprite, DrawNumberStartsOneDigitRightOfXAndLeavesXAfterTheLastDigit) {
    CSprite digits;
    ASSERT_TRUE(digits.LoadNumberFont(0));
    EXPECT_EQ(digits.animCount, 10);
    graphics.Clear(0xFF000000);
    digits.DrawNumber(305, 100.0f, 10.0f);
    EXPECT_FLOAT_EQ(digits.x, 160.0f);
    EXPECT_EQ(graphics.Pixel(110, 20) & 0xFFFFFF, 0u);
    EXPECT_EQ(graphics.Pixel(130, 20) & 0xFFFFFF, 0x400000u);  // 3
    EXPECT_EQ(graphics.Pixel(150, 20) & 0xFFFFFF, 0x100000u);  // 0
    EXPECT_EQ(graphics.Pixel(170, 20) & 0xFFFFFF, 0x600000u);  // 5
    EXPECT_EQ(graphics.Pixel(185, 20) & 0xFFFFFF, 0u);
}

TEST_F(LoadedSprite, ANegativeNumbersMinusSignTakesADigitsPlaceAndDrawsNothing) {
    CSprite digits;
    ASSERT_TRUE(digits.LoadNumberFont(0));
    graphics.Clear(0xFF000000);
    digits.DrawNumber(-7, 100.0f, 10.0f, 1.0f);
    EXPECT_EQ(graphics.CountNear(100, 10, 140, 42, 0xFF000000), 40 * 32);
    EXPECT_EQ(graphics.Pixel(150, 20) & 0xFFFFFF, 0x800000u);  // 7, one place further right
    EXPECT_FLOAT_EQ(digits.x, 140.0f);
}

TEST_F(LoadedSprite, NumberFontKindsOutsideTheFourLoadNothing) {
    CSprite digits;
    EXPECT_TRUE(digits.LoadNumberFont(4));
    EXPECT_EQ(digits.texture, nullptr);
    RecordingMessageBoxes boxes;
    EXPECT_FALSE(digits.LoadNumberFont(3));  // no TimeFigure.bmp here
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: Texture can't load TimeFigure.bmp\n");
}
