#pragma once

#include <string>
#include <string_view>

namespace kelvra {

// Decimal number text (integer text rule) to upper-case hexadecimal of at least
// two digits; a value of 0 or less gives "00".
std::string DecToHexText(std::string_view text);

// Each pair of characters, read as "$" + pair by the integer text rule, becomes the
// Windows-1254 character with that code (UTF-8 in the result; code 0 kept). A last
// character without a partner is ignored.
std::string HexPairsToChars(std::string_view text);

} // namespace kelvra
