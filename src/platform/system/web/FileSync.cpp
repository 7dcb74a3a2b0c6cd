#include "platform/system/FileSync.h"

namespace platform {

// A page's files live in its memory until its turn at the browser's storage writes them all back, after
// every file job (web/FileWorker.cpp): there is nothing to sync here. The C library's own fsync would write
// the whole storage back there and then, and wait for it in the middle of a job.
bool SyncToStorage(int /*descriptor*/) {
    return true;
}

}  // namespace platform
