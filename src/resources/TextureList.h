#pragma once

#include <cstdint>
#include <list>

namespace platform {
class Texture;
}

namespace Corvane {

// One cached texture and where it came from.
struct TextureEntry {
    platform::Texture* texture = nullptr;
    char path[512] = {};
    std::uint32_t textureWidth = 0;
    std::uint32_t textureHeight = 0;
    std::uint32_t imageWidth = 0;
    std::uint32_t imageHeight = 0;
    float keyRed = 1.0f;
    float keyGreen = 0.0f;
    float keyBlue = 1.0f;
    float keyAlpha = 1.0f;
    bool loaded = false;
};

// The process-wide texture cache, keyed by the full path of the file. The first request for a file loads
// it with its colour key; later requests get the same texture, whatever key they ask for.
class CTextureList {
public:
    CTextureList() = default;
    ~CTextureList();

    CTextureList(const CTextureList&) = delete;
    CTextureList& operator=(const CTextureList&) = delete;

    // The entry for the file (the caller takes its own reference of the texture), or null when it cannot
    // be loaded. A file name containing a colon ignores the directory.
    TextureEntry* Load(const char* directory, const char* fileName, float red, float green, float blue,
                       float alpha);
    // Releases every entry, the most recently loaded first.
    void Destroy();

    std::size_t Count() const { return entries.size(); }

    bool cacheEnabled = true;

private:
    static bool LoadEntry(TextureEntry& entry, const char* path, float red, float green, float blue,
                          float alpha);
    static void ClearEntry(TextureEntry& entry);

    std::list<TextureEntry*> entries;
};

// Turns a colour key of four channels in 0.0–1.0 into the 32-bit ARGB value the loader compares pixels with.
std::uint32_t ColourKeyOf(float red, float green, float blue, float alpha);

extern CTextureList* g_pTextureList;

}  // namespace Corvane
