#include "platform/video/SharpTextures.h"

#include <SDL.h>

#include <new>
#include <system_error>
#include <utility>

#include "platform/system/ErrorOutput.h"
#include "platform/video/ImageFile.h"
#include "platform/video/Texture.h"

namespace platform {

SharpTextures::~SharpTextures() {
    {
        const std::lock_guard<std::mutex> guard(mutex);
        stopping = true;
    }
    changed.notify_all();
    if (decoder.joinable()) {
        decoder.join();
    }
    for (Noted& waiting : noted) {
        waiting.texture->Release();
    }
    for (Decoded& waiting : decoded) {
        waiting.texture->Release();
    }
}

void SharpTextures::Note(Texture* texture, std::string path, int imageWidth, int imageHeight) {
    if (dropped) {
        return;
    }
    texture->AddRef();
    {
        const std::lock_guard<std::mutex> guard(mutex);
        noted.push_back(Noted{texture, std::move(path), imageWidth, imageHeight, texture->GetWidth(),
                              texture->GetHeight()});
    }
    changed.notify_all();
}

void SharpTextures::AfterFrame(bool shownLarger) {
    if (!decoder.joinable()) {
        // Until the thread starts only this thread touches the list; with no twin there is nothing to
        // start it for (the browser's page carries none, and has no threads).
        if (!shownLarger || noted.empty()) {
            return;
        }
        try {
            decoder = std::thread(&SharpTextures::Decode, this);
        } catch (const std::system_error&) {
            // Without the thread the pictures stay as they are: as sharp as their own size allows.
            return;
        }
    }
    Decoded twin{};
    bool drop = false;
    {
        const std::lock_guard<std::mutex> guard(mutex);
        drop = outOfMemory && !dropped;
        if (decoded.empty() && !drop) {
            return;
        }
        if (!decoded.empty()) {
            twin = std::move(decoded.front());
            decoded.pop_front();
        }
    }
    changed.notify_all();
    if (drop) {
        DropTwins();
    }
    if (twin.texture != nullptr) {
        PutIn(twin);
    }
}

void SharpTextures::DropTwins() {
    std::deque<Noted> waiting;
    Texture* halfDone = nullptr;
    {
        const std::lock_guard<std::mutex> guard(mutex);
        waiting.swap(noted);
        halfDone = abandoned;
        abandoned = nullptr;
    }
    dropped = true;
    for (Noted& left : waiting) {
        left.texture->Release();
    }
    if (halfDone != nullptr) {
        halfDone->Release();
    }
    PrintError("the sharper pictures for large screens are left out: there is not memory enough for them");
}

void SharpTextures::Decode() {
    for (;;) {
        Noted next{};
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock,
                         [this] { return stopping || (!noted.empty() && decoded.size() < kWaitingLimit); });
            if (stopping) {
                return;
            }
            next = std::move(noted.front());
            noted.pop_front();
        }
        try {
            Decoded twin = DecodeTwin(next);
            const std::lock_guard<std::mutex> guard(mutex);
            decoded.push_back(std::move(twin));
        } catch (const std::bad_alloc&) {
            // Out of memory ends the twins, not the program: the drawing thread lets them go.
            const std::lock_guard<std::mutex> guard(mutex);
            outOfMemory = true;
            abandoned = next.texture;
            return;
        }
    }
}

SharpTextures::Decoded SharpTextures::DecodeTwin(const Noted& next) {
    Decoded twin{next.texture, {}, 0, 0};
    SDL_Surface* argb = ReadImageFile(next.path.c_str());
    if (argb == nullptr) {
        return twin;
    }
    // A twin is a whole multiple of the picture's size, or it is not the picture's twin.
    const int scale = next.imageWidth > 0 ? argb->w / next.imageWidth : 0;
    if (scale >= 2 && argb->w == next.imageWidth * scale && argb->h == next.imageHeight * scale) {
        twin.width = next.textureWidth * scale;
        twin.height = next.textureHeight * scale;
        try {
            twin.pixels = PixelsInBuffer(argb, twin.width, twin.height, false, 0);
        } catch (const std::bad_alloc&) {
            SDL_FreeSurface(argb);
            throw;
        }
    }
    SDL_FreeSurface(argb);
    return twin;
}

void SharpTextures::PutIn(Decoded& twin) {
    if (!twin.pixels.empty()) {
        SDL_Texture* sharper = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                                 twin.width, twin.height);
        if (sharper != nullptr &&
            SDL_UpdateTexture(sharper, nullptr, twin.pixels.data(),
                              twin.width * static_cast<int>(sizeof(std::uint32_t))) != 0) {
            // A twin that did not go in would draw whatever the texture held: the picture keeps its own.
            if (!updateFailureSaid) {
                PrintError("a sharper picture cannot be used: %s", SDL_GetError());
                updateFailureSaid = true;
            }
            SDL_DestroyTexture(sharper);
            sharper = nullptr;
        }
        if (sharper != nullptr) {
            SDL_SetTextureScaleMode(sharper, SDL_ScaleModeLinear);
            twin.texture->Sharpen(sharper);
        }
    }
    twin.texture->Release();
}

}  // namespace platform
