#pragma once

#include <string>
#include <string_view>

namespace kelvra {

// The wire speaks Windows-1254 (one byte a character); the program speaks UTF-8.

// Every byte becomes the Windows-1254 character with that code, as UTF-8. The seven
// codes the code page leaves unassigned map to the C1 control of the same number.
std::string DecodeCp1254(std::string_view bytes);

// Every character becomes its Windows-1254 byte; a character with none becomes '?'.
std::string EncodeCp1254(std::string_view utf8);

// The character with Windows-1254 code `code` (0 to 255), as UTF-8.
std::string Cp1254Char(unsigned char code);

} // namespace kelvra
