#pragma once

#include <string>

namespace platform {

// Files the player hands the running program to open, besides its command line: a replay dropped on the
// window, or chosen or dropped in the browser's page. They wait, in the order they came, until the program
// takes them. Touched by the main thread only.
void HandFile(std::string path);
// The next file handed over; false when none waits.
bool TakeHandedFile(std::string& path);

}  // namespace platform
