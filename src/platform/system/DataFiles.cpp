#include "platform/system/DataFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

std::string Reason(const char* what, const std::string& path) {
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

// Writes all of it, through short writes and interruptions.
bool WriteAll(int descriptor, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(descriptor, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
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

}  // namespace

namespace {

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
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = slash == std::string::npos ? path : path.substr(0, slash);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = Reason("cannot make the directory", part);
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        errno = ENOTDIR;
        error = Reason("cannot use the directory", path);
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
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        error = Reason("cannot write in", DirectoryOf(path));
        return false;
    }
    // The first failure names the reason: a close after a failed write would only add its own.
    const bool written = WriteAll(descriptor, bytes.data(), bytes.size()) && fchmod(descriptor, 0644) == 0 &&
                         fsync(descriptor) == 0;
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
    const int directory = open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
    return true;
}

void RemoveLeftovers(const std::string& path) {
    const std::string directory = DirectoryOf(path);
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".";
    DIR* entries = opendir(directory.c_str());
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(entries)) {
        const std::string name = entry->d_name;
        // The temporary name is the file's name, a dot and six characters of mkostemp's.
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0) {
            std::string leftover = directory;
            leftover += '/';
            leftover += name;
            unlink(leftover.c_str());
        }
    }
    closedir(entries);
}

}  // namespace platform
