#include "sprite/SpriteSet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Graphics.h"
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

class SpriteSet : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics.Ready());
        for (int index = 0; index < 8; ++index) {
            WriteBmp24(directory.File("image" + std::to_string(index) + ".bmp"), 20, 32,
                       [index](int, int) { return 0x101010u * static_cast<std::uint32_t>(index + 1); });
        }
        std::filesystem::current_path(directory.Path());
    }

    std::vector<SpriteDesc> Descs(int count, int first = 0) {
        std::vector<SpriteDesc> descs;
        for (int index = first; index < first + count; ++index) {
            AnimTable table;
            table.cellWidth = 10;
            table.cellHeight = 32;
            table.cells[0] = AnimCell{3, 0, 0};
            table.cells[1] = AnimCell{3, 1, 0};
            table.cells[2] = AnimCell{0, ANIM_LOOP, 0};
            descs.push_back(MakeSpriteDesc(("image" + std::to_string(index) + ".bmp").c_str(), table));
        }
        return descs;
    }

    SoftwareGraphics graphics;
    TemporaryDirectory directory;
    CSpriteSet set;
};

}  // namespace

TEST_F(SpriteSet, ANewSetHasOneEmptySlotAndEmptyBounds) {
    EXPECT_EQ(set.capacity, 1);
    EXPECT_EQ(set.count, 0);
    const CRectangle bounds = set.GetBounds();
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.right, 0);
    EXPECT_EQ(bounds.bottom, 0);
}

TEST_F(SpriteSet, GrowsByFiveAndTheImagesKeepTheirTexturesAndAnimations) {
    auto descs = Descs(1);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 1));
    set.Current().Advance(0.15f);
    const platform::Texture* firstTexture = set.items[0].texture;
    auto more = Descs(6, 1);
    ASSERT_TRUE(set.Add(g_pDevice, more.data(), 1));
    EXPECT_EQ(set.capacity, 6);
    ASSERT_TRUE(set.Add(g_pDevice, more.data() + 1, 5));
    EXPECT_EQ(set.capacity, 11);
    EXPECT_EQ(set.count, 7);
    EXPECT_EQ(set.items[0].texture, firstTexture);
    EXPECT_EQ(set.items[0].cellIndex, 1);
    EXPECT_STREQ(set.items[6].fileName, "image6.bmp");
    EXPECT_EQ(set.current, 0);
}

TEST_F(SpriteSet, AFailedAddKeepsTheImagesBeforeIt) {
    RecordingMessageBoxes boxes;
    auto descs = Descs(3);
    std::snprintf(descs[1].fileName, sizeof(descs[1].fileName), "missing.bmp");
    EXPECT_FALSE(set.Add(g_pDevice, descs.data(), 3));
    EXPECT_EQ(set.count, 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: Texture can't load missing.bmp\n");
}

TEST_F(SpriteSet, SelectRestartsTheNewImagesAnimationOnlyWhenItChangesOrIsForced) {
    auto descs = Descs(2);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 2));
    set.Select(1, false);
    set.Current().Advance(0.15f);
    set.Select(1, false);
    EXPECT_EQ(set.Current().cellIndex, 1);
    set.Select(1, true);
    EXPECT_EQ(set.Current().cellIndex, 0);
    EXPECT_FLOAT_EQ(set.Current().elapsed, 0.0f);
    set.Select(7, true);
    EXPECT_EQ(set.current, 1);
}

TEST_F(SpriteSet, TheSharedStateReachesTheCurrentImageBeforeEveryOperation) {
    auto descs = Descs(2);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 2));
    set.x = 100.0f;
    set.y = 40.0f;
    set.scaleX = 1.5f;
    set.scaleY = 1.5f;
    const CRectangle bounds = set.GetBounds();
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 40);
    EXPECT_EQ(bounds.right, 115);  // a 10-pixel cell at 1.5
    EXPECT_EQ(bounds.bottom, 88);
    set.alpha = 0.3f;
    set.Select(1, false);
    EXPECT_FLOAT_EQ(set.GetWidth(), 15.0f);
    EXPECT_FLOAT_EQ(set.items[1].alpha, 0.3f);
    EXPECT_FLOAT_EQ(set.items[1].x, 100.0f);
}

TEST_F(SpriteSet, BoundsAreTruncatedTowardsZero) {
    auto descs = Descs(1);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 1));
    set.x = -3.7f;
    set.y = 2.9f;
    const CRectangle bounds = set.GetBounds();
    EXPECT_EQ(bounds.left, -3);
    EXPECT_EQ(bounds.top, 2);
    EXPECT_EQ(bounds.right, 6);
    EXPECT_EQ(bounds.bottom, 34);
}

TEST_F(SpriteSet, SetPivotPositionMovesTheSet) {
    auto descs = Descs(1);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 1));
    set.SetPivotPosition(400.0f, 300.0f);
    EXPECT_FLOAT_EQ(set.x, 395.0f);
    EXPECT_FLOAT_EQ(set.y, 284.0f);
}

TEST_F(SpriteSet, ClearReleasesEveryImageAndRestoresTheDefaultsButKeepsTheCapacity) {
    auto descs = Descs(3);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 3));
    set.x = 5.0f;
    set.blend = BLEND_ADD;
    set.Clear();
    EXPECT_EQ(set.count, 0);
    EXPECT_EQ(set.capacity, 6);
    EXPECT_FLOAT_EQ(set.x, 0.0f);
    EXPECT_EQ(set.blend, BLEND_ALPHA);
    EXPECT_EQ(set.items[2].texture, nullptr);
    set.SetCapacity(2);
    EXPECT_EQ(set.capacity, 2);
}

TEST_F(SpriteSet, CopyToGivesTheTargetItsOwnReferencesToTheSameImages) {
    auto descs = Descs(2);
    ASSERT_TRUE(set.Add(g_pDevice, descs.data(), 2));
    set.Select(1, false);
    set.x = 30.0f;
    set.visible = false;
    CSpriteSet copy;
    ASSERT_TRUE(set.CopyTo(&copy));
    EXPECT_EQ(copy.count, 2);
    EXPECT_EQ(copy.current, 1);
    EXPECT_FLOAT_EQ(copy.x, 30.0f);
    EXPECT_FALSE(copy.visible);
    EXPECT_EQ(copy.items[1].texture, set.items[1].texture);
    set.Clear();
    copy.visible = true;
    graphics.Clear(0xFF000000);
    copy.Draw();
    EXPECT_EQ(graphics.Pixel(35, 10) & 0xFFFFFF, 0x202020u);
}
