#include "platform/system/FileSync.h"

#include <unistd.h>

namespace platform {

bool SyncToStorage(int descriptor) {
    return fsync(descriptor) == 0;
}

}  // namespace platform
