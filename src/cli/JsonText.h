#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace kelvra::cli {

// text with every byte that does not begin a well-formed UTF-8 sequence replaced
// by U+FFFD, as everything kelvra-cli writes has always mended it.
std::string MendedUtf8(std::string_view text);

// value on one line, as --json has always written it: members in their order, no
// blanks, UTF-8 and DEL as they are, the other control characters as \n, \r, \t
// or \u00xx (never \b or \f). Every string in value must be UTF-8.
std::string JsonText(const nlohmann::ordered_json& value);

} // namespace kelvra::cli
