#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace testing_support {

// Writes a 24-bit BMP whose pixels come from the function (0xRRGGBB).
void WriteBmp24(const std::string& path, int width, int height,
                const std::function<std::uint32_t(int, int)>& rgb);
// Writes a 32-bit BMP with an alpha channel (0xAARRGGBB).
void WriteBmp32(const std::string& path, int width, int height,
                const std::function<std::uint32_t(int, int)>& argb);

// A fresh directory under the system's temporary directory, removed with the object.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

}  // namespace testing_support
