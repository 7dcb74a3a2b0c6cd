#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <thread>

#include "platform/video/Device.h"
#include "platform/video/SpriteBatcher.h"
#include "platform/video/Texture.h"
#include "platform/video/TextureLoader.h"
#include "support/TemporaryDirectory.h"

using namespace platform;

namespace {
// From the size set here on, allocations fail as they do in a process out of memory; 0 lets every one
// through.
std::atomic<std::size_t> failingFrom{0};
}  // namespace

// The program's allocations, through the C library's, failing on request: a test runs the code out of
// memory where it allocates.
void* operator new(std::size_t size) {
    const std::size_t limit = failingFrom.load();
    if (limit != 0 && size >= limit) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size > 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

// Every other form allocates and frees the same way, so that the sanitizers see one kind of memory.
void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t& /*nothrow*/) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
    return operator new(size, nothrow);
}

// GCC, optimising, inlines these into the tests' own deletes and then takes the free for a mismatch with
// the new that made the object; both go through malloc here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete[](void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t& /*nothrow*/) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t& /*nothrow*/) noexcept {
    std::free(memory);
}
#pragma GCC diagnostic pop
using testing_support::TemporaryDirectory;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kMagentaKey = 0xFFFF00FF;

// A 4 × 4 red picture, and its sharp twin at twice the size: red and blue pixels in a checker, a detail the
// picture itself is too coarse to hold.
std::string WritePictureAndTwin(const TemporaryDirectory& directory) {
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(picture, nullptr, kRed);
    std::string path = directory.File("picture.bmp");
    EXPECT_EQ(SDL_SaveBMP(picture, path.c_str()), 0);
    SDL_FreeSurface(picture);
    SDL_Surface* twin = SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const SDL_Rect pixel{x, y, 1, 1};
            SDL_FillRect(twin, &pixel, (x + y) % 2 == 0 ? kRed : kBlue);
        }
    }
    std::filesystem::create_directories(directory.File("sharp"));
    EXPECT_EQ(IMG_SavePNG(twin, directory.File("sharp/picture.png").c_str()), 0);
    SDL_FreeSurface(twin);
    return path;
}

// Draws the picture at its own size in the top-left corner, presents, and reads the pixels back.
std::vector<std::uint32_t> DrawFrame(Device& device, SpriteBatcher& batcher, Texture* texture,
                                     int outputSide) {
    device.Clear(D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    batcher.Begin(0);
    batcher.SetTransform(glm::mat4(1.0f));
    batcher.Draw(texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    batcher.End();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(outputSide * outputSide));
    device.ReadPixels(0, 0, outputSide, outputSide, pixels.data());
    device.Present();
    return pixels;
}

struct Drawn {
    std::unique_ptr<Device> device;
    SpriteBatcher* batcher = nullptr;
    Texture* texture = nullptr;
    ~Drawn() {
        if (texture != nullptr) {
            texture->Release();
        }
        if (batcher != nullptr) {
            batcher->Release();
        }
    }
};

void Open(Drawn& drawn, const std::string& path, int outputSide, int pictureSide) {
    drawn.device.reset(Device::CreateForSurface(outputSide, outputSide, pictureSide, pictureSide));
    ASSERT_NE(drawn.device, nullptr);
    drawn.batcher = SpriteBatcher::Create(drawn.device.get());
    ImageInfo info;
    ASSERT_EQ(CreateTextureFromFile(drawn.device.get(), path.c_str(), kMagentaKey, &info, &drawn.texture),
              S_OK);
}

// The threads the process runs now.
std::size_t ThreadCount() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}));
}

}  // namespace

TEST(SharpTextures, APictureShownLargerIsDrawnFromItsTwinsPixelsOnceTheyAreDecoded) {
    TemporaryDirectory directory;
    const std::string path = WritePictureAndTwin(directory);
    Drawn drawn;
    Open(drawn, path, 8, 4);

    // At first, the picture's own pixels, enlarged: all red.
    std::vector<std::uint32_t> pixels = DrawFrame(*drawn.device, *drawn.batcher, drawn.texture, 8);
    EXPECT_EQ(pixels[0], kRed);
    EXPECT_EQ(pixels[1], kRed);
    // The twin is decoded off the frames' path and goes in after a later frame.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (pixels[1] != kBlue && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        pixels = DrawFrame(*drawn.device, *drawn.batcher, drawn.texture, 8);
    }
    EXPECT_EQ(pixels[0], kRed);
    EXPECT_EQ(pixels[1], kBlue);
    EXPECT_EQ(pixels[8], kBlue);
    // The texture keeps its size: the cells and source rectangles drawn from it mean what they meant.
    EXPECT_EQ(drawn.texture->GetWidth(), 4);
}

// Shown at its own size, the picture never needs its twin: no decoder starts, and nothing is read.
TEST(SharpTextures, APictureShownAtItsOwnSizeStartsNoDecoder) {
    TemporaryDirectory directory;
    const std::string path = WritePictureAndTwin(directory);
    Drawn drawn;
    Open(drawn, path, 4, 4);
    const std::size_t threads = ThreadCount();
    for (int frame = 0; frame < 30; ++frame) {
        const std::vector<std::uint32_t> pixels = DrawFrame(*drawn.device, *drawn.batcher, drawn.texture, 4);
        ASSERT_EQ(pixels[1], kRed);
    }
    EXPECT_EQ(ThreadCount(), threads);
}

// A twin there is not memory enough for ends the twins with one message; the program goes on, its pictures
// drawn from their own pixels.
TEST(SharpTextures, RunningOutOfMemoryForATwinOnlyDropsTheTwins) {
    TemporaryDirectory directory;
    // 1025 x 513 pixels fill a 2048 x 1024 texture; the twin at twice the size, laid out at the texture's
    // doubled size, takes 32 MiB: more than this process has, from here on.
    const std::string path = directory.File("wide.bmp");
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, 1025, 513, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(picture, nullptr, kRed);
    ASSERT_EQ(SDL_SaveBMP(picture, path.c_str()), 0);
    SDL_FreeSurface(picture);
    SDL_Surface* twin = SDL_CreateRGBSurfaceWithFormat(0, 2050, 1026, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(twin, nullptr, kBlue);
    std::filesystem::create_directories(directory.File("sharp"));
    ASSERT_EQ(IMG_SavePNG(twin, directory.File("sharp/wide.png").c_str()), 0);
    SDL_FreeSurface(twin);

    Drawn drawn;
    Open(drawn, path, 8, 4);
    ::testing::internal::CaptureStderr();
    failingFrom = 16u << 20;
    std::string said;
    std::vector<std::uint32_t> pixels;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (said.find("left out") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        pixels = DrawFrame(*drawn.device, *drawn.batcher, drawn.texture, 8);
        // Captured text can only be read once: it is gathered again each round.
        said += ::testing::internal::GetCapturedStderr();
        ::testing::internal::CaptureStderr();
    }
    for (int frame = 0; frame < 10; ++frame) {
        pixels = DrawFrame(*drawn.device, *drawn.batcher, drawn.texture, 8);
    }
    said += ::testing::internal::GetCapturedStderr();
    failingFrom = 0;
    EXPECT_NE(said.find("the sharper pictures for large screens are left out"), std::string::npos) << said;
    EXPECT_EQ(said.find("left out"), said.rfind("left out")) << said;
    EXPECT_EQ(pixels[0], kRed);
    EXPECT_EQ(pixels[9], kRed);
}
