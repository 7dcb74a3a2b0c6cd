#include "resources/TextureList.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

#include "base/CopyText.h"
#include "base/DeviceHandles.h"
#include "platform/system/Statistics.h"
#include "platform/video/Texture.h"
#include "platform/video/TextureLoader.h"

namespace Corvane {

namespace {

CTextureList textureList;

std::uint32_t ChannelOf(float value) {
    if (value >= 1.0f) {
        return 255;
    }
    if (value <= 0.0f) {
        return 0;
    }
    // Half up, summed in float: lround would round the few values whose sum rounds up in float the other way.
    return static_cast<std::uint32_t>(value * 255.0f + 0.5f);  // NOLINT(bugprone-incorrect-roundings)
}

// Copies the text into the buffer with backslashes turned into slashes; false when it does not fit.
bool CopyWithSlashes(char (&buffer)[512], const char* text) {
    buffer[0] = '\0';
    if (text == nullptr) {
        return true;
    }
    const std::size_t length = std::strlen(text);
    if (length >= sizeof(buffer)) {
        return false;
    }
    for (std::size_t index = 0; index <= length; ++index) {
        buffer[index] = text[index] == '\\' ? '/' : text[index];
    }
    return true;
}

}  // namespace

CTextureList* g_pTextureList = &textureList;

std::uint32_t ColourKeyOf(float red, float green, float blue, float alpha) {
    return ChannelOf(alpha) << 24 | ChannelOf(red) << 16 | ChannelOf(green) << 8 | ChannelOf(blue);
}

CTextureList::~CTextureList() {
    Destroy();
}

TextureEntry* CTextureList::Load(const char* directory, const char* fileName, float red, float green,
                                 float blue, float alpha) {
    char directoryBuffer[512];
    char nameBuffer[512];
    // A path that cannot be held whole is refused rather than cut: a cut path could name another file.
    if (!CopyWithSlashes(directoryBuffer, directory) || !CopyWithSlashes(nameBuffer, fileName)) {
        return nullptr;
    }

    char fullPath[512];
    if (std::strchr(nameBuffer, ':') != nullptr) {
        std::memcpy(fullPath, nameBuffer, sizeof(fullPath));
    } else {
        const char* separator = directoryBuffer[0] != '\0' ? "/" : "";
        const std::size_t length =
            std::strlen(directoryBuffer) + std::strlen(separator) + std::strlen(nameBuffer);
        if (length >= sizeof(fullPath)) {
            return nullptr;
        }
        CopyText(fullPath, sizeof(fullPath), directoryBuffer);
        std::strcat(fullPath, separator);
        std::strcat(fullPath, nameBuffer);
    }

    if (cacheEnabled) {
        for (TextureEntry* entry : entries) {
            if (strcasecmp(entry->path, fullPath) == 0) {
                return entry;
            }
        }
    }

    auto* entry = new TextureEntry;
    if (!LoadEntry(*entry, fullPath, red, green, blue, alpha)) {
        delete entry;
        return nullptr;
    }
    if (cacheEnabled) {
        entries.push_front(entry);
    }
    return entry;
}

bool CTextureList::LoadEntry(TextureEntry& entry, const char* path, float red, float green, float blue,
                             float alpha) {
    if (path == nullptr || path[0] == '\0') {
        return false;
    }
    ClearEntry(entry);
    const platform::LoadTimer timer(platform::LoadTimer::Kind::Image);
    platform::ImageInfo info;
    platform::Texture* texture = nullptr;
    if (platform::Failed(platform::CreateTextureFromFile(
            g_pDevice, path, ColourKeyOf(red, green, blue, alpha), &info, &texture))) {
        return false;
    }
    entry.texture = texture;
    CopyText(entry.path, sizeof(entry.path), path);
    entry.textureWidth = static_cast<std::uint32_t>(texture->GetWidth());
    entry.textureHeight = static_cast<std::uint32_t>(texture->GetHeight());
    entry.imageWidth = info.width;
    entry.imageHeight = info.height;
    entry.keyRed = red;
    entry.keyGreen = green;
    entry.keyBlue = blue;
    entry.keyAlpha = alpha;
    entry.loaded = true;
    return true;
}

void CTextureList::ClearEntry(TextureEntry& entry) {
    if (entry.texture != nullptr) {
        entry.texture->Release();
        entry.texture = nullptr;
    }
    entry.path[0] = '\0';
    entry.textureWidth = 0;
    entry.textureHeight = 0;
    entry.loaded = false;
}

void CTextureList::Destroy() {
    while (!entries.empty()) {
        TextureEntry* entry = entries.front();
        ClearEntry(*entry);
        delete entry;
        entries.pop_front();
    }
}

}  // namespace Corvane
