#include "platform/system/ErrorOutput.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace platform {

namespace {
std::string programName;
}

void SetProgramName(const char* name) {
    programName = name != nullptr ? name : "";
}

void PrintError(const char* format, ...) {
    if (!programName.empty()) {
        std::fprintf(stderr, "%s: ", programName.c_str());
    }
    std::va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace platform
