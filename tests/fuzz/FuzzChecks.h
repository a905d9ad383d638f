#pragma once

#include "core/Errors.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace kelvra::fuzz {

// A violated property: say which, and stop so that the fuzzer keeps the input.
[[noreturn]] inline void Violated(const char* property, std::string_view input) {
    std::fprintf(stderr, "property violated: %s (input of %zu bytes)\n", property, input.size());
    std::abort();
}

inline void Check(bool holds, const char* property, std::string_view input) {
    if (!holds) {
        Violated(property, input);
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first four bytes as a 32-bit value, when there are four.
inline bool LeadingInt32(std::string_view input, std::int32_t& value) {
    if (input.size() < sizeof value) {
        return false;
    }
    std::memcpy(&value, input.data(), sizeof value);
    return true;
}

// The message a conversion error for text carries, as what() shows it.
inline bool IsConvertMessageFor(const char* what, std::string_view text) {
    return std::strcmp(what, EConvertError(text).what()) == 0;
}

// Two or more digits of 0-9 and A-F.
inline bool IsUpperHex(std::string_view text) {
    return text.size() >= 2 && text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
}

} // namespace kelvra::fuzz
