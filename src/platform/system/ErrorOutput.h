#pragma once

namespace platform {

// Names the program in the messages the layer writes to standard error; InitVideo takes the name.
void SetProgramName(const char* name);
// Writes one line to standard error: the program's name, a colon, the formatted message.
void PrintError(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
