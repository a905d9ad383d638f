#include "core/Cp1254.h"

#include "PrintableText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace kelvra {
namespace {

struct CodeCase {
    unsigned char code;
    std::string character;
    friend std::ostream& operator<<(std::ostream& os, const CodeCase& c) {
        return os << static_cast<int>(c.code) << " " << testing::Printable(c.character);
    }
};

class Cp1254Codes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(Cp1254Codes, DecodeToTheCharacterAndBack) {
    const std::string byte(1, static_cast<char>(GetParam().code));
    EXPECT_EQ(Cp1254Char(GetParam().code), GetParam().character);
    EXPECT_EQ(DecodeCp1254(byte), GetParam().character);
    EXPECT_EQ(EncodeCp1254(GetParam().character), byte);
}

INSTANTIATE_TEST_SUITE_P(Ascii, Cp1254Codes,
                         ::testing::Values(CodeCase{0x00, std::string(1, '\0')},
                                           CodeCase{0x0D, "\r"}, CodeCase{0x41, "A"},
                                           CodeCase{0x7F, "\x7F"}));

INSTANTIATE_TEST_SUITE_P(Punctuation, Cp1254Codes,
                         ::testing::Values(CodeCase{0x80, "€"}, CodeCase{0x82, "‚"},
                                           CodeCase{0x83, "ƒ"}, CodeCase{0x85, "…"},
                                           CodeCase{0x88, "ˆ"}, CodeCase{0x8A, "Š"},
                                           CodeCase{0x8C, "Œ"}, CodeCase{0x91, "‘"},
                                           CodeCase{0x94, "”"}, CodeCase{0x96, "–"},
                                           CodeCase{0x97, "—"}, CodeCase{0x98, "˜"},
                                           CodeCase{0x99, "™"}, CodeCase{0x9A, "š"},
                                           CodeCase{0x9C, "œ"}, CodeCase{0x9F, "Ÿ"}));

// Unassigned in the code page; kept as C1 controls so that every byte survives.
INSTANTIATE_TEST_SUITE_P(Unassigned, Cp1254Codes,
                         ::testing::Values(CodeCase{0x81, "\u0081"}, CodeCase{0x8D, "\u008D"},
                                           CodeCase{0x8E, "\u008E"}, CodeCase{0x8F, "\u008F"},
                                           CodeCase{0x90, "\u0090"}, CodeCase{0x9D, "\u009D"},
                                           CodeCase{0x9E, "\u009E"}));

INSTANTIATE_TEST_SUITE_P(
    Letters, Cp1254Codes,
    ::testing::Values(CodeCase{0xA0, "\u00A0"}, CodeCase{0xC7, "Ç"}, CodeCase{0xD0, "Ğ"},
                      CodeCase{0xD6, "Ö"}, CodeCase{0xDC, "Ü"}, CodeCase{0xDD, "İ"},
                      CodeCase{0xDE, "Ş"}, CodeCase{0xDF, "ß"}, CodeCase{0xE7, "ç"},
                      CodeCase{0xF0, "ğ"}, CodeCase{0xF6, "ö"}, CodeCase{0xFC, "ü"},
                      CodeCase{0xFD, "ı"}, CodeCase{0xFE, "ş"}, CodeCase{0xFF, "ÿ"}));

struct UnmappableCase {
    std::string utf8;
    std::string bytes;
    friend std::ostream& operator<<(std::ostream& os, const UnmappableCase& c) {
        return os << testing::Printable(c.utf8);
    }
};

class EncodeCp1254Replaces : public ::testing::TestWithParam<UnmappableCase> {};

TEST_P(EncodeCp1254Replaces, WhatTheCodePageLacks) {
    EXPECT_EQ(EncodeCp1254(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Characters, EncodeCp1254Replaces,
                         ::testing::Values(UnmappableCase{"Ω", "?"}, UnmappableCase{"a😀b", "a?b"},
                                           // The Latin-1 letters whose codes hold the Turkish ones.
                                           UnmappableCase{"ÐÝÞðýþ", "??????"},
                                           UnmappableCase{"Ağaç İş", "A\xF0"
                                                                     "a\xE7 \xDD\xFE"}));

INSTANTIATE_TEST_SUITE_P(
    MalformedUtf8, EncodeCp1254Replaces,
    ::testing::Values(UnmappableCase{"\xC3", "?"}, UnmappableCase{"\xC3(", "?("},
                      UnmappableCase{"\xC0\x80", "??"}, UnmappableCase{"\xED\xA0\x80", "???"},
                      UnmappableCase{"\xF4\x90\x80\x80", "????"}, UnmappableCase{"\xE2\x82", "??"},
                      UnmappableCase{"\xFF", "?"}));

TEST(Cp1254RoundTrip, KeepsEveryByteString) {
    std::string everyByte;
    for (int code = 0; code < 256; ++code) {
        everyByte += static_cast<char>(code);
    }
    const std::string reversed(everyByte.rbegin(), everyByte.rend());
    for (const std::string& bytes : {everyByte, reversed, everyByte + everyByte}) {
        EXPECT_EQ(EncodeCp1254(DecodeCp1254(bytes)), bytes);
    }
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(EncodeCp1254(DecodeCp1254(byte)), byte) << "code " << code;
    }
}

} // namespace
} // namespace kelvra
