#pragma once

#include <string>
#include <vector>

namespace testing_support {

// A fresh directory under the system's temporary directory, removed with everything in it.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "/" + name; }
    // Writes the bytes to a file of that name in the directory and returns its path.
    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const;

private:
    std::string path;
};

}  // namespace testing_support
