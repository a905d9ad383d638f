#pragma once

#include <cstdint>
#include <string_view>

namespace kelvra {

// The strict text-to-integer rule every number in the program goes through:
// leading spaces (code 32 only), one optional sign, then decimal digits or, after
// "$", "x", "X", "0x" or "0X", up to eight significant hexadecimal digits taken as
// a 32-bit pattern. Anything else, a trailing blank included, throws EConvertError.
std::int32_t StrToInt(std::string_view text);

// Whether a text that StrToInt reads is written in hexadecimal ("$1F", "-0x10").
bool IsHexadecimalIntegerText(std::string_view text);

} // namespace kelvra
