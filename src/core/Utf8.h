#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

// The characters of a UTF-8 text, each as its own byte sequence. A byte that does
// not begin a well-formed sequence counts as one character, so any input splits.
std::vector<std::string_view> Utf8Characters(std::string_view text);

// The code point of one well-formed UTF-8 sequence; empty for anything else.
std::optional<char32_t> Utf8CodePoint(std::string_view character);

// The UTF-8 bytes of a code point (U+0000 gives one NUL byte).
std::string Utf8Encode(char32_t codePoint);

} // namespace kelvra
