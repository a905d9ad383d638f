#include "core/HexText.h"

#include "core/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace kelvra {
namespace {

using Conversion = std::tuple<std::string, std::string>; // text, result or unread text

class DecToHexTextConverts : public ::testing::TestWithParam<Conversion> {};

TEST_P(DecToHexTextConverts, ToUpperCaseDigits) {
    EXPECT_EQ(DecToHexText(std::get<0>(GetParam())), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Values, DecToHexTextConverts,
                         ::testing::Values(Conversion{"0", "00"}, Conversion{"7", "07"},
                                           Conversion{"163", "A3"}, Conversion{"256", "100"},
                                           Conversion{"2147483647", "7FFFFFFF"},
                                           Conversion{"-5", "00"}, Conversion{"$FFFFFFFF", "00"},
                                           Conversion{" 12", "0C"}, Conversion{"0xabc", "ABC"}));

class DecToHexTextFails : public ::testing::TestWithParam<std::string> {};

TEST_P(DecToHexTextFails, WithTheConversionError) {
    EXPECT_EQ(test::ErrorText<EConvertError>([&] { DecToHexText(GetParam()); }),
              test::ConvertMessage(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Texts, DecToHexTextFails,
                         ::testing::Values("12 ", "1.5", "", "2147483648"));

class HexPairsToCharsConverts : public ::testing::TestWithParam<Conversion> {};

TEST_P(HexPairsToCharsConverts, EachPairToOneCharacter) {
    EXPECT_EQ(HexPairsToChars(std::get<0>(GetParam())), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, HexPairsToCharsConverts,
    ::testing::Values(Conversion{"4A4B4C", "JKL"}, Conversion{"4A4B4C4", "JKL"}, Conversion{"", ""},
                      Conversion{"0d0A", "\r\n"}, Conversion{"4a0041", std::string("J\0A", 3)},
                      Conversion{"D0DDDEF0FDFE", "ĞİŞğış"}, Conversion{"80", "€"},
                      // Pairs are characters: a lone two-byte letter at the end is ignored.
                      Conversion{"4Ağ", "J"}));

class HexPairsToCharsFails : public ::testing::TestWithParam<Conversion> {};

TEST_P(HexPairsToCharsFails, NamingTheFirstBadPair) {
    EXPECT_EQ(test::ErrorText<EConvertError>([&] { HexPairsToChars(std::get<0>(GetParam())); }),
              test::ConvertMessage(std::get<1>(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, HexPairsToCharsFails,
    ::testing::Values(Conversion{"4G", "$4G"}, Conversion{"4A4G4B", "$4G"}, Conversion{"4ğ", "$4ğ"},
                      Conversion{" 4", "$ 4"}, Conversion{"-1", "$-1"}, Conversion{"x1", "$x1"},
                      Conversion{"4 ", "$4 "},
                      Conversion{std::string("4\0", 2), std::string("$4\0", 3)}));

} // namespace
} // namespace kelvra
