#include "platform/system/FileLock.h"

#include <emscripten.h>

namespace platform {

namespace {

// clang-format off
EM_JS(void, KeepUserFiles, (), {
    if (typeof Module.keepUserFiles == "function") {
        Module.keepUserFiles();
    }
});
// clang-format on

}  // namespace

// A page has one thread and the program runs once in it: there is nobody to take turns with. What the lock
// guards is written to the page's memory, though, and kept across visits only in the browser's IndexedDB:
// letting go of the lock copies whatever changed there (the page mounts it and copies it in at start).
FileLock::FileLock(const std::string& /*path*/) : descriptor(0) {}

FileLock::~FileLock() {
    if (descriptor >= 0) {
        KeepUserFiles();
    }
}

}  // namespace platform
