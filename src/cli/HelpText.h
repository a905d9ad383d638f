#pragma once

#include <string>

namespace kelvra::cli {

// What --help prints, the readout's names from the link's table; the manual page is
// made from the same text.
std::string HelpText();

} // namespace kelvra::cli
