// Calls of the C library that fail when a test asks them to, preloaded into the fault tests
// (LD_PRELOAD): the system's own failures, which no real disk gives on demand. A call fails only for the
// path its variable names, and only while the variable is set; every other call goes on to the C library.
//
//   YORUN_FAIL_LISTING=<directory>          reading the directory's entries fails (EIO) after the third
//   YORUN_FAIL_WRITES=<part of a path>      a write to a file whose path holds it takes nothing and says so
//   YORUN_FAIL_DIRECTORY_SYNC=<directory>   syncing the directory fails (EIO)
#include <dirent.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Where the descriptor leads, or "" when that cannot be told.
const char* PathOf(int descriptor, char (&path)[PATH_MAX]) {
    char link[64];
    std::snprintf(link, sizeof(link), "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, path, sizeof(path) - 1);
    path[length > 0 ? length : 0] = '\0';
    return path;
}

bool Is(const char* variable, int descriptor, bool wholePath) {
    const char* wanted = std::getenv(variable);
    if (wanted == nullptr || wanted[0] == '\0') {
        return false;
    }
    char path[PATH_MAX];
    PathOf(descriptor, path);
    return wholePath ? std::strcmp(path, wanted) == 0 : std::strstr(path, wanted) != nullptr;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// The listing being counted, and its entries read so far.
DIR* counted = nullptr;
int entriesRead = 0;

bool ListingFails(DIR* directory) {
    if (!Is("YORUN_FAIL_LISTING", dirfd(directory), true)) {
        return false;
    }
    if (directory != counted) {
        counted = directory;
        entriesRead = 0;
    }
    if (++entriesRead <= 3) {
        return false;
    }
    errno = EIO;
    return true;
}

}  // namespace

// The C library's own declarations name the parameters otherwise.
// NOLINTBEGIN(readability-inconsistent-declaration-parameter-name)
extern "C" {

// Found by the tests, so that they know the failing calls are in place.
__attribute__((visibility("default"))) int yorun_failing_calls = 1;

__attribute__((visibility("default"))) struct dirent* readdir(DIR* directory) {
    static const auto next = Next<struct dirent* (*)(DIR*)>("readdir");
    return ListingFails(directory) ? nullptr : next(directory);
}

__attribute__((visibility("default"))) struct dirent64* readdir64(DIR* directory) {
    static const auto next = Next<struct dirent64* (*)(DIR*)>("readdir64");
    return ListingFails(directory) ? nullptr : next(directory);
}

__attribute__((visibility("default"))) ssize_t write(int descriptor, const void* data, size_t size) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (size > 0 && Is("YORUN_FAIL_WRITES", descriptor, false)) {
        return 0;
    }
    return next(descriptor, data, size);
}

__attribute__((visibility("default"))) int fsync(int descriptor) {
    static const auto next = Next<int (*)(int)>("fsync");
    if (Is("YORUN_FAIL_DIRECTORY_SYNC", descriptor, true)) {
        errno = EIO;
        return -1;
    }
    return next(descriptor);
}
}
// NOLINTEND(readability-inconsistent-declaration-parameter-name)
