#include "core/Cp1254.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace kelvra {
namespace {

std::string Bytes(int from, int to) {
    std::string bytes;
    for (int code = from; code <= to; ++code) {
        bytes += static_cast<char>(code);
    }
    return bytes;
}

using Codes = std::tuple<std::string, std::string>; // bytes, their characters

class Cp1254Codes : public ::testing::TestWithParam<Codes> {};

TEST_P(Cp1254Codes, DecodeToTheCharactersAndBack) {
    const auto& [bytes, characters] = GetParam();
    EXPECT_EQ(DecodeCp1254(bytes), characters);
    EXPECT_EQ(EncodeCp1254(characters), bytes);
}

// The unassigned codes 81, 8D, 8E, 8F, 90, 9D and 9E stay C1 controls so that every
// byte survives; the upper half is Latin-1 but for the six Turkish letters.
INSTANTIATE_TEST_SUITE_P(
    Blocks, Cp1254Codes,
    ::testing::Values(Codes{Bytes(0x00, 0x7F), Bytes(0x00, 0x7F)},
                      Codes{Bytes(0x80, 0x9F), "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008D\u008E\u008F"
                                               "\u0090‘’“”•–—˜™š›œ\u009D\u009EŸ"},
                      Codes{Bytes(0xC0, 0xDF), "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏĞÑÒÓÔÕÖ×ØÙÚÛÜİŞß"},
                      Codes{Bytes(0xE0, 0xFF), "àáâãäåæçèéêëìíîïğñòóôõö÷øùúûüışÿ"},
                      Codes{"\xA0\xA9\xBF", "\u00A0©¿"}));

class EncodeCp1254Replaces : public ::testing::TestWithParam<Codes> {};

TEST_P(EncodeCp1254Replaces, WhatTheCodePageLacks) {
    EXPECT_EQ(EncodeCp1254(std::get<0>(GetParam())), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Characters, EncodeCp1254Replaces,
                         ::testing::Values(Codes{"Ω", "?"}, Codes{"a😀b", "a?b"},
                                           // The Latin-1 letters whose codes hold the Turkish ones.
                                           Codes{"ÐÝÞðýþ", "??????"},
                                           // Malformed UTF-8: each byte that begins no sequence.
                                           Codes{"\xC3(", "?("}, Codes{"\xED\xA0\x80", "???"}));

TEST(Cp1254RoundTrip, KeepsEveryByteString) {
    const std::string everyByte = Bytes(0, 255);
    const std::string reversed(everyByte.rbegin(), everyByte.rend());
    for (const std::string& bytes : {everyByte, reversed, everyByte + everyByte}) {
        EXPECT_EQ(EncodeCp1254(DecodeCp1254(bytes)), bytes);
    }
}

} // namespace
} // namespace kelvra
