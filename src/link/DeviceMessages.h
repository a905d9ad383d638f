#pragma once

#include <string>
#include <string_view>

namespace kelvra {

// The result box of a batch of confirmed settings: caption, " ", value and the
// success text, or caption and the failure text. Unlike the clock's success text,
// an address's ends in a blank.
inline constexpr std::string_view kSetDoneText = " olarak set edildi.";
inline constexpr std::string_view kAddressSetText = " olarak set edildi. ";
inline constexpr std::string_view kSetFailedText = " Set Edilemedi!";

// A reply accepts when the capital letters O and K stand next to each other.
bool ContainsOK(std::string_view reply);

// The reply with every CR LF pair removed; a lone CR or LF stays.
std::string RemoveCrLf(std::string_view reply);

// The datagram of a limit: command, the value as typed ("+7", "007", "-0") and "F"
// for a value of 0 or more, in decimal when typed in hexadecimal, or command, the
// magnitude and "FN" for a negative one. Throws EConvertError when the value text is
// no integer.
std::string LimitMessage(std::string_view command, std::string_view valueText);

// The datagram of a confirmed setting: command, value and "F"; the bare command
// when value is empty.
std::string SetMessage(std::string_view command, std::string_view value);

} // namespace kelvra
