#include "support/ImageFiles.h"

#include <fstream>
#include <vector>

namespace testing_support {

namespace {

void Put16(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

void WriteBmp24(const std::string& path, int width, int height,
                const std::function<std::uint32_t(int, int)>& rgb) {
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = rowSize * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    Put32(bytes, 54 + dataSize);
    Put32(bytes, 0);
    Put32(bytes, 54);
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(width));
    Put32(bytes, static_cast<std::uint32_t>(height));
    Put16(bytes, 1);
    Put16(bytes, 24);
    Put32(bytes, 0);
    Put32(bytes, dataSize);
    Put32(bytes, 2835);
    Put32(bytes, 2835);
    Put32(bytes, 0);
    Put32(bytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = rgb(x, y);
            bytes.push_back(static_cast<std::uint8_t>(colour));
            bytes.push_back(static_cast<std::uint8_t>(colour >> 8));
            bytes.push_back(static_cast<std::uint8_t>(colour >> 16));
            written += 3;
        }
        for (; written < rowSize; ++written) {
            bytes.push_back(0);
        }
    }
    WriteBytes(path, bytes);
}

void WriteBmp32(const std::string& path, int width, int height,
                const std::function<std::uint32_t(int, int)>& argb) {
    const std::uint32_t dataSize = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * 4;
    constexpr std::uint32_t kHeaderSize = 108;  // with channel masks
    std::vector<std::uint8_t> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    Put32(bytes, 14 + kHeaderSize + dataSize);
    Put32(bytes, 0);
    Put32(bytes, 14 + kHeaderSize);
    Put32(bytes, kHeaderSize);
    Put32(bytes, static_cast<std::uint32_t>(width));
    Put32(bytes, static_cast<std::uint32_t>(height));
    Put16(bytes, 1);
    Put16(bytes, 32);
    Put32(bytes, 3);  // bit fields
    Put32(bytes, dataSize);
    Put32(bytes, 2835);
    Put32(bytes, 2835);
    Put32(bytes, 0);
    Put32(bytes, 0);
    Put32(bytes, 0x00FF0000);
    Put32(bytes, 0x0000FF00);
    Put32(bytes, 0x000000FF);
    Put32(bytes, 0xFF000000);
    Put32(bytes, 0x73524742);  // sRGB
    for (int index = 0; index < 12; ++index) {
        Put32(bytes, 0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            Put32(bytes, argb(x, y));
        }
    }
    WriteBytes(path, bytes);
}

}  // namespace testing_support
