#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

// The characters of a UTF-8 text, each as its own byte sequence. A byte that does
// not begin a well-formed sequence counts as one character, so any input splits.
std::vector<std::string_view> Utf8Characters(std::string_view text);

} // namespace kelvra
