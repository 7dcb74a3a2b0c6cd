#include "platform/system/HandedFiles.h"

#include <deque>
#include <utility>

namespace platform {

namespace {

std::deque<std::string>& Handed() {
    static std::deque<std::string> files;
    return files;
}

}  // namespace

void HandFile(std::string path) {
    Handed().push_back(std::move(path));
}

bool TakeHandedFile(std::string& path) {
    if (Handed().empty()) {
        return false;
    }
    path = std::move(Handed().front());
    Handed().pop_front();
    return true;
}

}  // namespace platform
