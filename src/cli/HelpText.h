#pragma once

#include <string_view>

namespace kelvra::cli {

// What --help prints; the manual page is made from the same text.
extern const std::string_view kHelpText;

} // namespace kelvra::cli
