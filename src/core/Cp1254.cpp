#include "core/Cp1254.h"

#include "core/Utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace kelvra {
namespace {

using CodeTable = std::array<char32_t, 256>;

// 0x80 to 0x9F of the code page; the unassigned codes stand for themselves (C1).
constexpr std::array<char32_t, 32> kCodes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178, // 98-9F
};

// Where the code page's upper half differs from Latin-1: the Turkish letters.
constexpr std::array<std::pair<unsigned char, char32_t>, 6> kTurkishLetters = {{
    {0xD0, 0x011E}, // Ğ
    {0xDD, 0x0130}, // İ
    {0xDE, 0x015E}, // Ş
    {0xF0, 0x011F}, // ğ
    {0xFD, 0x0131}, // ı
    {0xFE, 0x015F}, // ş
}};

constexpr CodeTable MakeCodeTable() {
    CodeTable table{};
    for (std::size_t code = 0; code < table.size(); ++code) {
        table[code] = static_cast<char32_t>(code);
    }
    for (std::size_t i = 0; i < kCodes80To9F.size(); ++i) {
        table[0x80 + i] = kCodes80To9F[i];
    }
    for (const auto& [code, letter] : kTurkishLetters) {
        table[code] = letter;
    }
    return table;
}

constexpr CodeTable kCodeTable = MakeCodeTable();

struct ReverseEntry {
    char32_t codePoint;
    unsigned char code;
};

// The upper half sorted by code point, for a binary search when encoding.
constexpr std::array<ReverseEntry, 128> MakeReverseTable() {
    std::array<ReverseEntry, 128> reverse{};
    for (std::size_t i = 0; i < reverse.size(); ++i) {
        reverse[i] = {kCodeTable[0x80 + i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(reverse.begin(), reverse.end(), [](const ReverseEntry& a, const ReverseEntry& b) {
        return a.codePoint < b.codePoint;
    });
    return reverse;
}

constexpr std::array<ReverseEntry, 128> kReverseTable = MakeReverseTable();

std::optional<unsigned char> CodeOf(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<unsigned char>(codePoint);
    }
    const auto* found = std::lower_bound(
        kReverseTable.begin(), kReverseTable.end(), codePoint,
        [](const ReverseEntry& entry, char32_t value) { return entry.codePoint < value; });
    if (found != kReverseTable.end() && found->codePoint == codePoint) {
        return found->code;
    }
    return std::nullopt;
}

} // namespace

std::string DecodeCp1254(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char byte : bytes) {
        utf8 += Utf8Encode(kCodeTable[static_cast<unsigned char>(byte)]);
    }
    return utf8;
}

std::string EncodeCp1254(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (const std::string_view character : Utf8Characters(utf8)) {
        const std::optional<char32_t> codePoint = Utf8CodePoint(character);
        const std::optional<unsigned char> code = codePoint ? CodeOf(*codePoint) : std::nullopt;
        bytes += code ? static_cast<char>(*code) : '?';
    }
    return bytes;
}

std::string Cp1254Char(unsigned char code) {
    return Utf8Encode(kCodeTable[code]);
}

} // namespace kelvra
