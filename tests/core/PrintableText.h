#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kelvra::testing {

// A text as a failure message can show it: control codes spelled as \xNN.
inline std::string Printable(std::string_view text) {
    std::string shown = "'";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown + "'";
}

} // namespace kelvra::testing
