#include "game/Settings.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/PrintableText.h"
#include "platform/system/DataFiles.h"
#include "platform/system/FileLock.h"

namespace Yorun {

namespace {

// Far more than a settings file needs: anything larger is not ours.
constexpr std::size_t kLargestFile = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Everything before a comment that follows the value.
std::string_view WithoutComment(std::string_view text) {
    const std::size_t mark = text.find_first_of("#;");
    return Trimmed(mark == std::string_view::npos ? text : text.substr(0, mark));
}

bool ReadVolume(std::string_view text, int& volume) {
    int value = 0;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result != std::errc() || end != text.data() + text.size() || value < Settings::kLowestVolume ||
        value > Settings::kHighestVolume) {
        return false;
    }
    volume = value;
    return true;
}

bool ReadSwitch(std::string_view text, bool& on) {
    if (text == "true" || text == "on" || text == "yes" || text == "1") {
        on = true;
        return true;
    }
    if (text == "false" || text == "off" || text == "no" || text == "0") {
        on = false;
        return true;
    }
    return false;
}

// Applies one setting; false when a setting this version knows has a value it cannot take.
bool Apply(std::string_view section, std::string_view key, std::string_view value, Settings& settings) {
    if (section == "play" && key == "pause_on_focus_loss") {
        return ReadSwitch(value, settings.pauseOnFocusLoss);
    }
    if (section != "sound") {
        return true;
    }
    if (key == "volume") {
        return ReadVolume(value, settings.volume);
    }
    if (key == "muted") {
        return ReadSwitch(value, settings.muted);
    }
    return true;
}

}  // namespace

std::string SettingsPath() {
    const std::string directory = platform::UserConfigDirectory("yorun");
    return directory.empty() ? directory : directory + "/settings.ini";
}

bool ReadSettings(const std::string& path, Settings& settings, std::string& error) {
    settings = Settings{};
    // Never written yet: the defaults are the settings.
    std::error_code missing;
    if (!std::filesystem::exists(path, missing) && !missing) {
        return true;
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, kLargestFile, bytes, error)) {
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    Settings read;
    std::string_view section;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        const std::string where = path + ", line " + std::to_string(number);
        if (line.front() == '[') {
            if (line.back() != ']') {
                error = where + ": a section header without its closing bracket";
                return false;
            }
            section = Trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            error = where + ": not a setting (key = value)";
            return false;
        }
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = WithoutComment(line.substr(equals + 1));
        if (!Apply(section, key, value, read)) {
            error =
                where + ": " + Corvane::PrintableText(key) + " cannot be " + Corvane::PrintableText(value);
            return false;
        }
    }
    settings = read;
    return true;
}

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash != std::string::npos && slash > 0 ? path.substr(0, slash) : std::string();
}

}  // namespace

bool WriteSettings(const std::string& path, const Settings& settings, std::string& error) {
    const std::string directory = DirectoryOf(path);
    if (!directory.empty() && !platform::MakeDirectories(directory, error)) {
        return false;
    }
    const std::string text =
        "# Yorun's settings, written by the game whenever they change.\n"
        "[sound]\n"
        "# 0 (silent) to 10; 8 is the game's normal loudness\n"
        "volume = " +
        std::to_string(settings.volume) + "\nmuted = " + (settings.muted ? "true" : "false") +
        "\n[play]\n"
        "# pause the game when its window loses the focus\n"
        "pause_on_focus_loss = " +
        (settings.pauseOnFocusLoss ? "true" : "false") + "\n";
    return platform::WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()), error);
}

Settings WithChanges(const Settings& onto, const Settings& mine, const Settings& since) {
    Settings changed = onto;
    if (mine.volume != since.volume) {
        changed.volume = mine.volume;
    }
    if (mine.muted != since.muted) {
        changed.muted = mine.muted;
    }
    if (mine.pauseOnFocusLoss != since.pauseOnFocusLoss) {
        changed.pauseOnFocusLoss = mine.pauseOnFocusLoss;
    }
    return changed;
}

bool KeepSettingsChanges(const std::string& path, const Settings& mine, const Settings& since,
                         const std::atomic<bool>& giveUp, std::string& error) {
    const std::string directory = DirectoryOf(path);
    if (directory.empty() || !platform::MakeDirectories(directory, error)) {
        error = directory.empty() ? "no directory to keep " + path + " in" : error;
        return false;
    }
    const platform::FileLock lock(directory + "/.lock", giveUp);
    if (lock.GaveUp()) {
        error = "another copy of the game holds " + directory + "/.lock and does not let go";
        return false;
    }
    // What a copy killed while it wrote the file left behind.
    platform::RemoveLeftovers(directory);
    // A file that cannot be read gives the defaults, as it did at the start, and the changes go over them.
    Settings onDisk;
    std::string unread;
    ReadSettings(path, onDisk, unread);
    return WriteSettings(path, WithChanges(onDisk, mine, since), error);
}

}  // namespace Yorun
