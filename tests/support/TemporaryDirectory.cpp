#include "support/TemporaryDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testing_support {

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "yorun-test.XXXXXX").string();
    path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    if (!path.empty()) {
        std::filesystem::remove_all(path, ignored);
    }
}

std::string TemporaryDirectory::Write(const std::string& name,
                                      const std::vector<unsigned char>& bytes) const {
    std::string file = File(name);
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

}  // namespace testing_support
