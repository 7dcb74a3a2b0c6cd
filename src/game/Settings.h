#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "game/controls/Bindings.h"

namespace Yorun {

// What the player chose and the game keeps between runs, in settings.ini in the user's configuration
// directory ($XDG_CONFIG_HOME/yorun, by default ~/.config/yorun): `key = value` lines under `[section]`
// headers, with `#` or `;` starting a comment line.
//
//   [sound]
//   volume = 8      # 0 (silent) to 10; 8 is the game's normal loudness
//   muted = false
//   [play]
//   pause_on_focus_loss = false   # pause a game when the window loses the focus
//   left_handed = false           # the touch controls: aim with the right thumb, loose with the left
//   [display]
//   full_screen = false           # start in full screen (besides /full on the command line)
//   integer_scale = false         # scale by whole numbers (besides --integer-scale)
//   [controls]
//   …                             # the keys and pad controls of every action (controls/BindingsText.h)
struct Settings {
    // A line this version does not know, kept as it was for the version that wrote it.
    struct Other {
        std::string section;
        std::string line;
        bool operator==(const Other& other) const = default;
    };

    static constexpr int kLowestVolume = 0;
    static constexpr int kHighestVolume = 10;
    static constexpr int kNormalVolume = 8;

    int volume = kNormalVolume;
    bool muted = false;
    bool pauseOnFocusLoss = false;
    bool leftHanded = false;
    bool fullScreen = false;
    bool integerScale = false;
    Bindings bindings;
    std::vector<Other> others;

    bool operator==(const Settings& other) const = default;
};

// The settings file's path; empty when the user has no configuration directory (no HOME).
std::string SettingsPath();

// Reads the settings. A missing file gives the defaults and true; a file that cannot be read gives the
// defaults, false and the reason. A line that does not make sense (not a setting, a value out of its range,
// a key that names no key) leaves its setting at its default and the rest of the file still counts: false,
// with every such line named in the reason, and what became of it. Lines this version does not know are
// kept in `others`, and written back with the rest; those of the controls are named too.
bool ReadSettings(const std::string& path, Settings& settings, std::string& error);
// Replaces the file whole (written beside it, synced and renamed over it), making its directory first;
// false with the reason, and the old file untouched.
bool WriteSettings(const std::string& path, const Settings& settings, std::string& error);

// `onto` with every setting that `mine` holds differently from `since`: what one copy of the game changed
// since it last read or kept the file, laid over what the file holds now.
Settings WithChanges(const Settings& onto, const Settings& mine, const Settings& since);
// Keeps what a copy of the game changed (the settings `mine`, read or last kept as `since`) without losing
// what another copy kept meanwhile: under the lock of the file's directory it reads the file again, lays
// the changes over it and replaces it whole. Waits for the lock until giveUp; false with the reason when
// the file could not be replaced.
bool KeepSettingsChanges(const std::string& path, const Settings& mine, const Settings& since,
                         const std::atomic<bool>& giveUp, std::string& error);

}  // namespace Yorun
