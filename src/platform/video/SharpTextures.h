#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SDL_Renderer;

namespace platform {

class Texture;

// Sharper pixels for pictures shown larger than their own size (full screen, a large window, a high-density
// display). A texture loaded from a file with a sharp twin (painted at a whole multiple of its size) is noted
// here, and nothing more happens while the picture is shown at its own size or smaller: start-up and memory
// stay as they were. The first frame shown larger starts a thread that decodes the twins one by one, off the
// frames' path; after each frame at most one of them goes into its texture. The texture keeps its size, so
// its cells and source rectangles, and everything above the device, stay as they are: only the pixels drawn
// from it are finer. A twin there is not memory enough for ends the decoding: the twins still waiting are
// dropped with one message, and the pictures are drawn from their own pixels as before.
class SharpTextures {
public:
    explicit SharpTextures(SDL_Renderer* renderer) : renderer(renderer) {}
    // Stops decoding and lets go of the textures still waiting.
    ~SharpTextures();

    SharpTextures(const SharpTextures&) = delete;
    SharpTextures& operator=(const SharpTextures&) = delete;

    // The texture (holding an image of the given size) has a sharp twin at `path`. It is kept until its
    // twin is in, or given up.
    void Note(Texture* texture, std::string path, int imageWidth, int imageHeight);
    // Once a frame, after it is presented, on the thread that draws: whether the picture is shown larger
    // than its own size.
    void AfterFrame(bool shownLarger);

private:
    // Decoded twins waiting to go in; the thread waits while this many do.
    static constexpr std::size_t kWaitingLimit = 2;

    struct Noted {
        Texture* texture;
        std::string path;
        int imageWidth;
        int imageHeight;
        int textureWidth;
        int textureHeight;
    };
    struct Decoded {
        Texture* texture;
        std::vector<std::uint32_t> pixels;  // empty: the twin could not be used
        int width;
        int height;
    };

    void Decode();
    // Reads the twin and lays its pixels out at the texture's size; throws std::bad_alloc when there is not
    // memory enough for them (a padded texture's twin can be a gigabyte).
    static Decoded DecodeTwin(const Noted& next);
    void PutIn(Decoded& twin);
    // On the drawing thread, after the decoder ran out of memory: lets go of every twin still waiting.
    void DropTwins();

    SDL_Renderer* renderer;
    // Guarded by the mutex once the thread runs.
    std::deque<Noted> noted;
    std::deque<Decoded> decoded;
    bool stopping = false;
    bool outOfMemory = false;        // the decoder has stopped for want of memory
    Texture* abandoned = nullptr;    // the texture whose twin it was decoding then
    bool dropped = false;            // the drawing thread has let go of the twins since (its own)
    bool updateFailureSaid = false;  // a twin that could not go into its texture has been reported (its own)
    std::mutex mutex;
    std::condition_variable changed;
    std::thread decoder;
};

}  // namespace platform
