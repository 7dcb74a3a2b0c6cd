#include "resources/TextureList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/Graphics.h"
#include "platform/Texture.h"
#include "support/ImageFiles.h"
#include "support/SoftwareGraphics.h"

using Corvane::CTextureList;
using Corvane::TextureEntry;
using testing_support::SoftwareGraphics;
using testing_support::TemporaryDirectory;
using testing_support::WriteBmp24;

namespace {

class TextureList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics.Ready());
        WriteBmp24(directory.File("Picture.bmp"), 100, 50, [](int, int) { return 0x336699u; });
        WriteBmp24(directory.File("other.bmp"), 16, 16, [](int, int) { return 0xFF00FFu; });
    }

    SoftwareGraphics graphics;
    TemporaryDirectory directory;
    CTextureList list;
};

}  // namespace

TEST_F(TextureList, LoadsTheFileWithItsImageSizeAndPowerOfTwoTextureSize) {
    TextureEntry* entry = list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->loaded);
    EXPECT_EQ(entry->imageWidth, 100u);
    EXPECT_EQ(entry->imageHeight, 50u);
    EXPECT_EQ(entry->textureWidth, 128u);
    EXPECT_EQ(entry->textureHeight, 64u);
    EXPECT_EQ(std::string(entry->path), directory.File("Picture.bmp"));
    EXPECT_NE(entry->texture, nullptr);
}

TEST_F(TextureList, NamesDifferingOnlyInLetterCaseShareOneTexture) {
    TextureEntry* first = list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    TextureEntry* second = list.Load(directory.Path().c_str(), "PICTURE.BMP", 1.0f, 0.0f, 1.0f, 1.0f);
    EXPECT_EQ(first, second);
    EXPECT_EQ(list.Count(), 1u);
}

TEST_F(TextureList, AFileKeepsTheColourKeyOfItsFirstLoad) {
    TextureEntry* first = list.Load(directory.Path().c_str(), "other.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    TextureEntry* again = list.Load(directory.Path().c_str(), "other.bmp", 1.0f, 1.0f, 1.0f, 1.0f);
    ASSERT_EQ(first, again);
    EXPECT_FLOAT_EQ(again->keyGreen, 0.0f);
}

TEST_F(TextureList, BackslashesAndSlashesFindTheSameEntry) {
    std::string backslashed = directory.Path();
    for (char& character : backslashed) {
        if (character == '/') {
            character = '\\';
        }
    }
    TextureEntry* first = list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    TextureEntry* second = list.Load(backslashed.c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    EXPECT_EQ(first, second);
}

TEST_F(TextureList, AColonInTheFileNameIgnoresTheDirectory) {
    // A colon marks a name that is a path of its own.
    const std::string colonDirectory = directory.File("c:");
    std::filesystem::create_directories(colonDirectory);
    WriteBmp24(colonDirectory + "/drive.bmp", 8, 8, [](int, int) { return 0x102030u; });
    std::filesystem::current_path(directory.Path());
    TextureEntry* entry = list.Load("/no/such/directory", "c:/drive.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->path, "c:/drive.bmp");
}

TEST_F(TextureList, AMissingFileLeavesNothingInTheList) {
    EXPECT_EQ(list.Load(directory.Path().c_str(), "missing.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(TextureList, DamagedAndEmptyFilesAreRefused) {
    std::FILE* file = std::fopen(directory.File("empty.bmp").c_str(), "wb");
    std::fclose(file);
    file = std::fopen(directory.File("text.bmp").c_str(), "wb");
    std::fputs("BM this is not a picture", file);
    std::fclose(file);
    EXPECT_EQ(list.Load(directory.Path().c_str(), "empty.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Load(directory.Path().c_str(), "text.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Load(directory.Path().c_str(), "", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(TextureList, PathsOf512BytesOrMoreAreRefusedCleanly) {
    const std::string longName(600, 'a');
    EXPECT_EQ(list.Load(directory.Path().c_str(), longName.c_str(), 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    // The directory and the name fit on their own but not together with the separator.
    const std::string directoryName(300, 'd');
    const std::string fileName(211, 'f');
    EXPECT_EQ(list.Load(directoryName.c_str(), fileName.c_str(), 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(TextureList, DestroyReleasesEveryEntryAndALaterLoadLoadsAgain) {
    TextureEntry* entry = list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    ASSERT_NE(entry, nullptr);
    platform::Texture* texture = entry->texture;
    texture->AddRef();  // an image's own reference
    list.Load(directory.Path().c_str(), "other.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    list.Destroy();
    EXPECT_EQ(list.Count(), 0u);
    // The image's reference keeps its texture: it is the last one now.
    EXPECT_EQ(texture->GetWidth(), 128);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_NE(list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 1u);
}

TEST_F(TextureList, ATextureHandleStaysSafeToReleaseAfterItsDeviceIsGone) {
    TextureEntry* entry = list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    ASSERT_NE(entry, nullptr);
    platform::Texture* texture = entry->texture;
    texture->AddRef();
    Corvane::g_pGraphics->Release();
    EXPECT_EQ(texture->GetSdlTexture(), nullptr);
    // The list's reference is the other one; it goes with the list, after the device.
    EXPECT_EQ(texture->Release(), 1u);
}

TEST(ColourKey, ChannelsAreClampedAndRounded) {
    EXPECT_EQ(Corvane::ColourKeyOf(1.0f, 0.0f, 1.0f, 1.0f), 0xFFFF00FFu);
    EXPECT_EQ(Corvane::ColourKeyOf(1.0f, 1.0f, 1.0f, 1.0f), 0xFFFFFFFFu);
    EXPECT_EQ(Corvane::ColourKeyOf(2.0f, -1.0f, 0.5f, 1.5f), 0xFFFF0080u);
    EXPECT_EQ(Corvane::ColourKeyOf(0.2f, 0.0f, 0.0f, 0.0f), 0x00330000u);
}
