#pragma once

#include <string>
#include <string_view>

namespace kelvra::cli {

// The help text as a manual page in roff: its first line is the synopsis, a line
// ending in ":" alone a section heading, everything else kept as laid out.
std::string ManualPage(std::string_view help, std::string_view version);

} // namespace kelvra::cli
