#pragma once

// One string field of a flat JSON line, as kelvra-cli --json and kelvra-sim's
// journal write them.

#include <optional>
#include <string>
#include <string_view>

namespace kelvra::bench {

// The value of "name":"..." in line, its escapes undone (\u00XX as that byte);
// empty when line has no such field.
inline std::optional<std::string> JsonField(std::string_view line, std::string_view name) {
    const std::string key = "\"" + std::string(name) + "\":\"";
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::string value;
    for (std::size_t i = at + key.size(); i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            return value;
        }
        if (c != '\\' || i + 1 >= line.size()) {
            value += c;
            continue;
        }
        const char escaped = line[++i];
        if (escaped == 'u' && i + 4 < line.size()) {
            value += static_cast<char>(std::stoi(std::string(line.substr(i + 1, 4)), nullptr, 16));
            i += 4;
        } else {
            value += escaped == 'n'   ? '\n'
                     : escaped == 'r' ? '\r'
                     : escaped == 't' ? '\t'
                                      : escaped;
        }
    }
    return std::nullopt; // unterminated
}

} // namespace kelvra::bench
