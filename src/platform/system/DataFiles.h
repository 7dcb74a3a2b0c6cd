#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Files the program keeps for its user between runs, written so that no moment of failure (a crash, a
// kill, a full disk) can leave one half written.

// $XDG_DATA_HOME/<name>, or ~/.local/share/<name>; empty when neither is known (no HOME). Not created here.
std::string UserDataDirectory(const char* name);
// $XDG_CONFIG_HOME/<name>, or ~/.config/<name>; empty when neither is known. Not created here.
std::string UserConfigDirectory(const char* name);

// Makes the directory and any parents it lacks; false with the reason.
bool MakeDirectories(const std::string& path, std::string& error);

// The names of the directory's entries (not "." or ".."), in no particular order; false with the reason
// when it cannot be listed to its end, and then the names read before the failure.
bool ListDirectory(const std::string& path, std::vector<std::string>& names, std::string& error);

// Reads a whole regular file of at most `limit` bytes; false with the reason (missing, unreadable, not a
// file, too large).
bool ReadWholeFile(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Replaces the file: the bytes go to a temporary file beside it (".<name>.tmp-" and six characters, a name
// nothing else uses), which is synced to the disk and then renamed over the file, and the directory is
// synced. Killed at any moment, the file is the old one or the new one, whole. False with the reason: the
// old file is then untouched, unless only the directory's sync failed, when the new file is in place but
// may not outlast a crash of the whole system.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);

// Removes the temporary files that WriteFileAtomically leaves in the directory when it is killed half way,
// and nothing else. Only safe while no one else can be writing there (under the directory's FileLock).
void RemoveLeftovers(const std::string& directory);

}  // namespace platform
