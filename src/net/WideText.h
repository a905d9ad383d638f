#pragma once

// Windows hands out its texts (formatted times, error descriptions) as UTF-16;
// the program speaks UTF-8.

#ifdef _WIN32

#include <string>
#include <string_view>

namespace kelvra::net {

std::string WideToUtf8(std::wstring_view text);

} // namespace kelvra::net

#endif
