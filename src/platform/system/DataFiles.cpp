#include "platform/system/DataFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/system/FileSync.h"

namespace platform {

namespace {

// What mkostemp turns into its six characters, after the file's own name.
constexpr const char* kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryTail = 6;

std::string Reason(const char* what, const std::string& path) {
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

std::string Reason(const char* what, const std::string& path, const std::error_code& failure) {
    return std::string(what) + " " + path + ": " + failure.message();
}

// Writes all of it, through short writes and interruptions. A write that takes nothing and reports no
// error would otherwise be asked again for ever.
bool WriteAll(int descriptor, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(descriptor, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// ".<name>.tmp-XXXXXX": hidden, and a name no player's file has.
bool IsTemporaryName(const std::string& name) {
    const std::size_t mark = name.rfind(kTemporaryMark);
    return name.size() > 1 && name[0] == '.' && mark != std::string::npos && mark > 1 &&
           name.size() == mark + std::strlen(kTemporaryMark) + kTemporaryTail;
}

// Syncs the directory, so that a rename in it reaches the disk. A file system that cannot sync a
// directory (it answers EINVAL) keeps its renames as well as it can: that is no failure.
bool SyncDirectory(const std::string& directory, std::string& error) {
    const int descriptor = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        error = Reason("cannot sync the directory", directory);
        return false;
    }
    const bool synced = SyncToStorage(descriptor) || errno == EINVAL;
    if (!synced) {
        error = Reason("cannot sync the directory", directory);
    }
    close(descriptor);
    return synced;
}

// $<variable>/<name>, or ~/<fallback>/<name>; empty when neither is known.
std::string XdgDirectory(const char* variable, const char* fallback, const char* name) {
    const char* set = std::getenv(variable);
    // The convention: a relative XDG path is invalid and is ignored.
    if (set != nullptr && set[0] == '/') {
        return std::string(set) + "/" + name;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/" + fallback + "/" + name;
    }
    return "";
}

}  // namespace

std::string UserDataDirectory(const char* name) {
    return XdgDirectory("XDG_DATA_HOME", ".local/share", name);
}

std::string UserConfigDirectory(const char* name) {
    return XdgDirectory("XDG_CONFIG_HOME", ".config", name);
}

bool MakeDirectories(const std::string& path, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (failure) {
        error = Reason("cannot make the directory", path, failure);
        return false;
    }
    if (!std::filesystem::is_directory(path, failure)) {
        error = Reason("cannot use the directory", path,
                       failure ? failure : std::make_error_code(std::errc::not_a_directory));
        return false;
    }
    return true;
}

bool ListDirectory(const std::string& path, std::vector<std::string>& names, std::string& error) {
    names.clear();
    std::error_code failure;
    // The increment that reports through an error code: the operator would throw.
    for (std::filesystem::directory_iterator entry(path, failure), end; !failure && entry != end;
         entry.increment(failure)) {
        names.push_back(entry->path().filename().string());
    }
    if (failure) {
        error = Reason("cannot list", path, failure);
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    bytes.clear();
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        error = Reason("cannot open", path);
        return false;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        error = "not a file: " + path;
        return false;
    }
    if (static_cast<std::uint64_t>(status.st_size) > limit) {
        close(descriptor);
        error = "too large to be ours: " + path;
        return false;
    }
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(descriptor, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            error = got < 0 ? Reason("cannot read", path) : "the file shrank while it was read: " + path;
            close(descriptor);
            bytes.clear();
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    close(descriptor);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error) {
    const std::string directory = DirectoryOf(path);
    std::string temporary = directory + "/." + NameOf(path) + kTemporaryMark + "XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        error = Reason("cannot write in", directory);
        return false;
    }
    // The first failure names the reason: a close after a failed write would only add its own.
    const bool written = WriteAll(descriptor, bytes.data(), bytes.size()) && fchmod(descriptor, 0644) == 0 &&
                         SyncToStorage(descriptor);
    if (!written) {
        error = Reason("cannot write", temporary);
    }
    const bool closed = close(descriptor) == 0;
    if (written && !closed) {
        error = Reason("cannot write", temporary);
    }
    if (!written || !closed) {
        unlink(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        error = Reason("cannot replace", path);
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the directory.
    return SyncDirectory(directory, error);
}

void RemoveLeftovers(const std::string& directory) {
    std::vector<std::string> names;
    std::string unlisted;
    // What could be listed is cleaned; the rest waits for the next time.
    ListDirectory(directory, names, unlisted);
    for (const std::string& name : names) {
        if (IsTemporaryName(name)) {
            std::string path = directory;
            path += '/';
            path += name;
            unlink(path.c_str());
        }
    }
}

}  // namespace platform
