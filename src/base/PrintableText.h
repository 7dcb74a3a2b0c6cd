#pragma once

#include <string>
#include <string_view>

namespace Corvane {

// Text read from a file or given by another program, made safe to show on a terminal or a screen: every
// control character (C0, DEL and C1, escape sequences' introducers among them) and every byte that is not
// part of valid UTF-8 becomes '?'; printable characters, in any script, are kept as they are.
std::string PrintableText(std::string_view text);

}  // namespace Corvane
