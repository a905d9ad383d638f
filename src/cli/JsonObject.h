#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvra::cli {

// A member of a JSON object as --json writes them: a string, or an object whose
// members are all strings.
struct JsonMember {
    std::string name;
    bool isObject = false;
    std::string text;                                         // a string member
    std::vector<std::pair<std::string, std::string>> members; // an object member
};

// One JSON object of that form, blanks around allowed. Throws std::invalid_argument
// saying what is wrong for anything else: numbers, arrays, literals, deeper objects,
// text after the object.
std::vector<JsonMember> ParseJsonObject(std::string_view text);

} // namespace kelvra::cli
