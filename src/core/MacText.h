#pragma once

#include <string>
#include <string_view>

namespace kelvra {

// A MAC reply in dotted two-digit hexadecimal. A reply with a "." holds six decimal
// numbers (DecToHexText each; a missing one throws EStringListError); any other
// reply holds six pairs of hexadecimal digits (HexPairsToChars each; a missing pair
// is an empty piece). A leading empty piece adds no dot, a later one still does.
std::string FormatMacText(std::string_view text);

} // namespace kelvra
