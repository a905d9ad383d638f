#include "core/IntegerText.h"

#include "core/Errors.h"

#include <cstddef>
#include <cstdint>

namespace kelvra {
namespace {

constexpr int kMaxSignificantHexDigits = 8;
constexpr std::uint64_t kMaxNegativeMagnitude = 2147483648ULL;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the hexadecimal prefix at pos, 0 when there is none.
std::size_t HexPrefixLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return 0;
    }
    const char c = text[pos];
    if (c == '$' || c == 'x' || c == 'X') {
        return 1;
    }
    if (c == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        return 2;
    }
    return 0;
}

// The 32-bit pattern of the hexadecimal digits from pos to the end.
bool ReadHexPattern(std::string_view text, std::size_t pos, std::uint32_t& pattern) {
    if (pos >= text.size()) {
        return false;
    }
    std::uint32_t value = 0;
    int significant = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = HexDigitValue(text[pos]);
        if (digit < 0) {
            return false;
        }
        if (significant > 0 || digit != 0) {
            if (++significant > kMaxSignificantHexDigits) {
                return false;
            }
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    pattern = value;
    return true;
}

// The magnitude of the decimal digits from pos to the end, capped just above
// what a negative 32-bit value can hold so that it never overflows.
bool ReadDecimalMagnitude(std::string_view text, std::size_t pos, std::uint64_t& magnitude) {
    if (pos >= text.size()) {
        return false;
    }
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDecimalDigit(text[pos])) {
            return false;
        }
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (value > kMaxNegativeMagnitude) {
            return false;
        }
    }
    magnitude = value;
    return true;
}

// Where the digits or their prefix begin: after the leading blanks and the sign.
std::size_t NumberStart(std::string_view text, bool& negative) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    return pos;
}

} // namespace

bool IsHexadecimalIntegerText(std::string_view text) {
    bool negative = false;
    return HexPrefixLength(text, NumberStart(text, negative)) > 0;
}

std::int32_t StrToInt(std::string_view text) {
    bool negative = false;
    const std::size_t pos = NumberStart(text, negative);

    if (const std::size_t prefix = HexPrefixLength(text, pos); prefix > 0) {
        std::uint32_t pattern = 0;
        if (!ReadHexPattern(text, pos + prefix, pattern)) {
            throw EConvertError(text);
        }
        // Negating the pattern in unsigned arithmetic wraps instead of overflowing.
        if (negative) {
            pattern = 0U - pattern;
        }
        return static_cast<std::int32_t>(pattern);
    }

    std::uint64_t magnitude = 0;
    if (!ReadDecimalMagnitude(text, pos, magnitude)) {
        throw EConvertError(text);
    }
    if (negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > static_cast<std::uint64_t>(INT32_MAX)) {
        throw EConvertError(text);
    }
    return static_cast<std::int32_t>(magnitude);
}

} // namespace kelvra
