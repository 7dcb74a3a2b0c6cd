#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "GeneratedFiles.h"

namespace assets_test {
namespace {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary directory, removed again at the end of the test.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern = (fs::temp_directory_path() / "assetgen-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        if (!m_path.empty()) {
            fs::remove_all(m_path, ignored);
        }
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

int RunAssetgen(const std::string& arguments, const fs::path& errors, const std::string& environment = "") {
    const std::string command =
        environment + "'" + std::string(YORUN_ASSETGEN) + "' " + arguments + " 2>'" + errors.string() + "'";
    return std::system(command.c_str());
}

// Every file under `root`, by its path relative to `root`, with its bytes.
std::map<std::string, std::vector<std::uint8_t>> Contents(const fs::path& root) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = ReadBytes(entry.path().string());
        }
    }
    return files;
}

TEST(Assetgen, TwoRunsWriteIdenticalBytesMatchingTheBuild) {
    TemporaryDirectory first;
    TemporaryDirectory second;
    ASSERT_FALSE(first.Path().empty());
    ASSERT_FALSE(second.Path().empty());
    ASSERT_EQ(RunAssetgen("--output '" + (first.Path() / "out").string() + "'", first.Path() / "errors"), 0);
    ASSERT_EQ(RunAssetgen("--output '" + (second.Path() / "out").string() + "'", second.Path() / "errors"),
              0);
    const auto a = Contents(first.Path() / "out");
    const auto b = Contents(second.Path() / "out");
    EXPECT_EQ(a.size(), 52U + 51U + 12U);  // pictures (the window icon among them), their sharp twins, cues
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.contains(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
        // The build's own copy came from the same generator.
        EXPECT_TRUE(bytes == ReadBytes(std::string(YORUN_DATA_DIR) + "/" + name))
            << name << " differs from the build";
    }
}

TEST(Assetgen, ReportsAnUnwritableOutputAndExitsWithFailure) {
    TemporaryDirectory scratch;
    ASSERT_FALSE(scratch.Path().empty());
    // A plain file where the output directory should go.
    const fs::path blocker = scratch.Path() / "blocker";
    std::ofstream(blocker) << "not a directory";
    const fs::path errors = scratch.Path() / "errors";
    EXPECT_NE(RunAssetgen("--output '" + (blocker / "out").string() + "'", errors), 0);
    std::ifstream message(errors);
    const std::string text((std::istreambuf_iterator<char>(message)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("assetgen: cannot create"), std::string::npos) << text;
}

TEST(Assetgen, ReportsAMissingFontAndExitsWithFailure) {
    TemporaryDirectory scratch;
    ASSERT_FALSE(scratch.Path().empty());
    // A fontconfig configuration that knows no fonts at all.
    const fs::path config = scratch.Path() / "fonts.conf";
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const fs::path errors = scratch.Path() / "errors";
    EXPECT_NE(RunAssetgen("--output '" + (scratch.Path() / "out").string() + "'", errors,
                          "FONTCONFIG_FILE='" + config.string() + "' "),
              0);
    std::ifstream message(errors);
    const std::string text((std::istreambuf_iterator<char>(message)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("is not installed"), std::string::npos) << text;
    EXPECT_FALSE(fs::exists(scratch.Path() / "out" / "mato_bmp")) << "wrote pictures without its lettering";
}

TEST(Assetgen, RejectsUnknownArgumentsWithUsage) {
    TemporaryDirectory scratch;
    ASSERT_FALSE(scratch.Path().empty());
    const fs::path errors = scratch.Path() / "errors";
    EXPECT_NE(RunAssetgen("--colour purple", errors), 0);
    std::ifstream message(errors);
    const std::string text((std::istreambuf_iterator<char>(message)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("usage: assetgen"), std::string::npos) << text;
}

}  // namespace
}  // namespace assets_test
