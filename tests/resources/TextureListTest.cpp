#include "resources/TextureList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/Graphics.h"
#include "platform/system/Statistics.h"
#include "platform/video/Texture.h"
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

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The first bytes of a 24-bit BMP with the given declared size and no pixels.
std::string BmpHeader(std::int32_t width, std::int32_t height) {
    std::string header(54, '\0');
    auto put32 = [&header](std::size_t at, std::uint32_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            header[at + byte] = static_cast<char>(value >> (8 * byte) & 0xFF);
        }
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    header[26] = 1;
    header[28] = 24;
    return header;
}

}  // namespace

TEST_F(TextureList, ImagesDeclaringASideBeyondTheLargestAreRefusedBeforeDecoding) {
    // Declared sizes whose pixels would need gigabytes: refused from the header alone.
    WriteBytes(directory.File("wide.bmp"), BmpHeader(100000, 1));
    WriteBytes(directory.File("tall.bmp"), BmpHeader(1, -100000));
    WriteBytes(directory.File("huge.bmp"), BmpHeader(60000, 60000));
    WriteBytes(directory.File("zero.bmp"), BmpHeader(0, 16));
    for (const char* name : {"wide.bmp", "tall.bmp", "huge.bmp", "zero.bmp"}) {
        EXPECT_EQ(list.Load(directory.Path().c_str(), name, 1.0f, 0.0f, 1.0f, 1.0f), nullptr) << name;
    }
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(TextureList, APngWhoseChunkRunsPastTheEndIsRefusedWithoutDecoding) {
    // Found by fuzzing: the PNG reader spun for minutes on this file's last chunk, whose length runs far
    // beyond the end of the file.
    static constexpr unsigned char kBytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
        0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00,
        0x00, 0x00, 0x04, 0x67, 0x41, 0x4D, 0x41, 0x00, 0x00, 0xB1, 0x8F, 0x0B, 0xFC, 0x61, 0x05, 0x00, 0x00,
        0x00, 0x20, 0x63, 0x48, 0x52, 0x4D, 0x00, 0x00, 0x7A, 0x26, 0x00, 0x00, 0x80, 0x84, 0x00, 0x00, 0xFA,
        0x00, 0x00, 0x00, 0x80, 0xE8, 0x00, 0x00, 0x75, 0x30, 0x00, 0x00, 0xEA, 0x60, 0x00, 0x00, 0x3A, 0x98,
        0x00, 0x00, 0x17, 0x70, 0xF5, 0x00, 0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x62, 0x4B, 0x47, 0x44, 0x00,
        0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xA0, 0xBD, 0xA7, 0x93, 0x00, 0x00, 0x00, 0x14, 0x49, 0x44, 0x41, 0x54,
        0x08, 0xD7, 0x63, 0x64, 0x60, 0xF8, 0x45, 0x58, 0x74, 0x64, 0x61, 0x74, 0x65, 0x3A, 0x63, 0x72, 0x65,
        0x61, 0x74, 0x65, 0x00, 0x32, 0xFF, 0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00,
        0x0D, 0x49, 0x48, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x44, 0x52, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0x30, 0x32, 0x00, 0x00, 0x00, 0x02, 0x00, 0x36};
    std::FILE* file = std::fopen(directory.File("runaway.png").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(kBytes, 1, sizeof(kBytes), file);
    std::fclose(file);
    EXPECT_EQ(list.Load(directory.Path().c_str(), "runaway.png", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(TextureList, APngThatStopsBeforeItsClosingChunkIsRefusedWithoutDecoding) {
    // Found by fuzzing: every chunk fits, but the file stops after its chromaticity chunk. Past the end the
    // PNG reader went on parsing stale bytes as that chunk again and again, warning each time, for minutes.
    static constexpr unsigned char kBytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
        0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D,
        0x24, 0x00, 0x00, 0x00, 0x04, 0x67, 0x41, 0x4D, 0x41, 0x00, 0x00, 0xB1, 0x8F, 0x0B, 0xFC, 0x61,
        0x05, 0x00, 0x00, 0x00, 0x20, 0x63, 0x48, 0x52, 0x4D, 0x00, 0x00, 0x7A, 0x26, 0x00, 0x00, 0x80,
        0x84, 0x00, 0x00, 0xFA, 0x00, 0x00, 0x00, 0x80, 0xE8, 0x00, 0x00, 0x75, 0x30, 0x00, 0x00, 0xEA,
        0x31, 0x34, 0x2B, 0x30, 0x30, 0x3A, 0x30, 0x30, 0x8F, 0xE9, 0x47, 0x4D, 0xAE, 0x42, 0x60, 0x82};
    WriteBytes(directory.File("unfinished.png"),
               std::string(reinterpret_cast<const char*>(kBytes), sizeof(kBytes)));
    EXPECT_EQ(list.Load(directory.Path().c_str(), "unfinished.png", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(TextureList, APngLoadsWhenItsChunksReachTheClosingOneWhateverFollowsIt) {
    // A 2 × 1 image: header, pixels and the closing IEND chunk, the last twelve bytes.
    static constexpr unsigned char kBytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xF4,
        0x22, 0x7F, 0x8A, 0x00, 0x00, 0x00, 0x0E, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8,
        0xCF, 0xC0, 0x00, 0x42, 0xFF, 0x01, 0x0F, 0xF9, 0x03, 0xFD, 0x98, 0x79, 0xD7, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    const std::string whole(reinterpret_cast<const char*>(kBytes), sizeof(kBytes));
    WriteBytes(directory.File("whole.png"), whole);
    WriteBytes(directory.File("padded.png"), whole + std::string(16, '\0'));
    WriteBytes(directory.File("unclosed.png"), whole.substr(0, whole.size() - 12));
    for (const char* name : {"whole.png", "padded.png"}) {
        const TextureEntry* entry = list.Load(directory.Path().c_str(), name, 1.0f, 0.0f, 1.0f, 1.0f);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->imageWidth, 2u) << name;
        EXPECT_EQ(entry->imageHeight, 1u) << name;
    }
    // The pixels are all there, but without IEND nothing shows before decoding that the reader will stop
    // inside the file.
    EXPECT_EQ(list.Load(directory.Path().c_str(), "unclosed.png", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 2u);
}

TEST_F(TextureList, OnlyBmpAndPngContentIsRead) {
    // The image library reads vector pictures too, and its reader leaks on some damaged ones; a picture
    // that is neither BMP nor PNG is refused whatever its name says.
    WriteBytes(directory.File("vector.bmp"),
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\">"
               "<rect width=\"4\" height=\"4\" fill=\"red\"/></svg>");
    WriteBytes(directory.File("damaged.bmp"), "<svg");
    EXPECT_EQ(list.Load(directory.Path().c_str(), "vector.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Load(directory.Path().c_str(), "damaged.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(list.Count(), 0u);
    // A truncated BMP: the header promises rows that are not there.
    WriteBytes(directory.File("truncated.bmp"), BmpHeader(8, 8) + std::string(10, '\x7F'));
    EXPECT_EQ(list.Load(directory.Path().c_str(), "truncated.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
}

TEST_F(TextureList, AnUnreadableFileIsRefused) {
    // A directory where the file should be cannot be read as a picture.
    std::filesystem::create_directory(directory.File("folder.bmp"));
    EXPECT_EQ(list.Load(directory.Path().c_str(), "folder.bmp", 1.0f, 0.0f, 1.0f, 1.0f), nullptr);
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

TEST_F(TextureList, EveryFileReadCountsTowardsTheLoadingTotalsButASharedNameDoesNot) {
    const platform::Statistics before = platform::GetStatistics();
    list.Load(directory.Path().c_str(), "Picture.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    list.Load(directory.Path().c_str(), "PICTURE.BMP", 1.0f, 0.0f, 1.0f, 1.0f);
    list.Load(directory.Path().c_str(), "missing.bmp", 1.0f, 0.0f, 1.0f, 1.0f);
    const platform::Statistics after = platform::GetStatistics();
    // The failed read took time too; the second name found the texture already loaded.
    EXPECT_EQ(after.images - before.images, 2);
    EXPECT_GT(after.imageSeconds, before.imageSeconds);
    EXPECT_EQ(after.sounds, before.sounds);
}
