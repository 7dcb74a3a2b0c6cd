#include "game/Settings.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/PrintableText.h"
#include "base/TrimmedText.h"
#include "game/controls/BindingsText.h"
#include "platform/system/DataFiles.h"
#include "platform/system/FileLock.h"

namespace Yorun {

namespace {

// Far more than a settings file needs: anything larger is not ours.
constexpr std::size_t kLargestFile = 64 * 1024;

using Corvane::TrimmedText;

// Everything before a comment that follows the value.
std::string_view WithoutComment(std::string_view text) {
    const std::size_t mark = text.find_first_of("#;");
    return TrimmedText(mark == std::string_view::npos ? text : text.substr(0, mark));
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

enum class Applied { Read, Damaged, Unknown };

// Applies one setting.
Applied Apply(std::string_view section, std::string_view key, std::string_view value, Settings& settings,
              std::string& problem) {
    if (section == "controls") {
        switch (ReadBindingEntry(key, value, settings.bindings, problem)) {
            case BindingEntry::Read:
                return Applied::Read;
            case BindingEntry::Damaged:
                return Applied::Damaged;
            default:
                return Applied::Unknown;
        }
    }
    bool read = false;
    if (section == "play" && key == "pause_on_focus_loss") {
        read = ReadSwitch(value, settings.pauseOnFocusLoss);
    } else if (section == "play" && key == "left_handed") {
        read = ReadSwitch(value, settings.leftHanded);
    } else if (section == "display" && key == "full_screen") {
        read = ReadSwitch(value, settings.fullScreen);
    } else if (section == "display" && key == "integer_scale") {
        read = ReadSwitch(value, settings.integerScale);
    } else if (section == "sound" && key == "volume") {
        read = ReadVolume(value, settings.volume);
    } else if (section == "sound" && key == "muted") {
        read = ReadSwitch(value, settings.muted);
    } else {
        return Applied::Unknown;
    }
    if (!read) {
        problem = Corvane::PrintableText(key) + " cannot be " + Corvane::PrintableText(value);
        return Applied::Damaged;
    }
    return Applied::Read;
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
    std::string problems;
    const auto note = [&problems](const std::string& problem) {
        problems += (problems.empty() ? "" : ", ") + problem;
    };
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = TrimmedText(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        const std::string where = "line " + std::to_string(number) + ": ";
        if (line.front() == '[') {
            if (line.back() != ']') {
                // What follows is read as in no section, so none of it counts for a section it is not in.
                note(where + "a section header without its closing bracket (what follows is passed over)");
                section = "?";
                continue;
            }
            section = TrimmedText(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            note(where + "not a setting (key = value), passed over");
            continue;
        }
        const std::string_view key = TrimmedText(line.substr(0, equals));
        const std::string_view value = WithoutComment(line.substr(equals + 1));
        std::string problem;
        switch (Apply(section, key, value, read, problem)) {
            case Applied::Damaged:
                note(where + problem + " (left at its default)");
                break;
            case Applied::Unknown:
                if (section != "?") {
                    read.others.push_back({std::string(section), std::string(line)});
                }
                // A control of another version's: said, since the player may have meant one of these.
                if (section == "controls") {
                    note(where + Corvane::PrintableText(key) +
                         " is no control this version knows (kept as it is)");
                }
                break;
            default:
                break;
        }
    }
    std::string shared;
    DropSharedKeys(read.bindings, shared);
    if (!shared.empty()) {
        note(shared + " (given its own key back)");
    }
    settings = read;
    if (!problems.empty()) {
        error = path + ", " + problems;
        return false;
    }
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
    // Lines another version wrote go back under their sections: after this version's own, or in sections of
    // their own.
    const auto othersOf = [&settings](std::string_view section) {
        std::string lines;
        for (const Settings::Other& other : settings.others) {
            if (other.section == section) {
                lines += other.line + "\n";
            }
        }
        return lines;
    };
    std::string text = "# Yorun's settings, written by the game whenever they change.\n" + othersOf("") +
                       "[sound]\n"
                       "# 0 (silent) to 10; 8 is the game's normal loudness\n"
                       "volume = " +
                       std::to_string(settings.volume) + "\nmuted = " + (settings.muted ? "true" : "false") +
                       "\n" + othersOf("sound") +
                       "[play]\n"
                       "# pause the game when its window loses the focus\n"
                       "pause_on_focus_loss = " +
                       (settings.pauseOnFocusLoss ? "true" : "false") +
                       "\n# the touch controls: aim with the right thumb and loose with the left\n"
                       "left_handed = " +
                       (settings.leftHanded ? "true" : "false") + "\n" + othersOf("play") +
                       "[display]\n"
                       "full_screen = " +
                       (settings.fullScreen ? "true" : "false") +
                       "\ninteger_scale = " + (settings.integerScale ? "true" : "false") + "\n" +
                       othersOf("display") + BindingsText(settings.bindings) + othersOf("controls");
    std::vector<std::string> written = {"", "sound", "play", "display", "controls"};
    for (const Settings::Other& other : settings.others) {
        if (std::find(written.begin(), written.end(), other.section) == written.end()) {
            written.push_back(other.section);
            text += "[" + other.section + "]\n" + othersOf(other.section);
        }
    }
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
    if (mine.leftHanded != since.leftHanded) {
        changed.leftHanded = mine.leftHanded;
    }
    if (mine.fullScreen != since.fullScreen) {
        changed.fullScreen = mine.fullScreen;
    }
    if (mine.integerScale != since.integerScale) {
        changed.integerScale = mine.integerScale;
    }
    // Action by action: two copies that each moved a different key both keep theirs. A key the two gave
    // to different actions stays with the first of them in the list.
    for (int action = 0; action < kActionCount; ++action) {
        if (!(mine.bindings.entries[action] == since.bindings.entries[action])) {
            changed.bindings.entries[action] = mine.bindings.entries[action];
        }
    }
    std::string shared;
    DropSharedKeys(changed.bindings, shared);
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
