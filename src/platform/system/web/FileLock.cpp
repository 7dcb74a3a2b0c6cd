#include "platform/system/FileLock.h"

namespace platform {

// A page has one thread, and its file jobs run one at a time under a lock that every tab of the page
// shares (web/FileWorker.cpp): there is nobody left to take turns with here.
FileLock::FileLock(const std::string& /*path*/, const std::atomic<bool>& /*giveUp*/) {}

FileLock::~FileLock() = default;

}  // namespace platform
