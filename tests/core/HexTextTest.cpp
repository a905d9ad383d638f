#include "core/HexText.h"

#include "PrintableText.h"
#include "core/Errors.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace kelvra {
namespace {

struct ConversionCase {
    std::string text;
    std::string result;
    friend std::ostream& operator<<(std::ostream& os, const ConversionCase& c) {
        return os << testing::Printable(c.text) << " -> " << testing::Printable(c.result);
    }
};

struct FailureCase {
    std::string text;
    std::string unreadText; // the text the conversion error names
    friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
        return os << testing::Printable(c.text);
    }
};

std::string ConvertErrorMessage(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

class DecToHexTextConverts : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DecToHexTextConverts, ToUpperCaseDigits) {
    EXPECT_EQ(DecToHexText(GetParam().text), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DecToHexTextConverts,
    ::testing::Values(ConversionCase{"0", "00"}, ConversionCase{"7", "07"},
                      ConversionCase{"10", "0A"}, ConversionCase{"15", "0F"},
                      ConversionCase{"16", "10"}, ConversionCase{"163", "A3"},
                      ConversionCase{"255", "FF"}, ConversionCase{"256", "100"},
                      ConversionCase{"4095", "FFF"}, ConversionCase{"2147483647", "7FFFFFFF"},
                      ConversionCase{"-5", "00"}, ConversionCase{"-2147483648", "00"},
                      ConversionCase{"$FFFFFFFF", "00"}, ConversionCase{" 12", "0C"},
                      ConversionCase{"$1F", "1F"}, ConversionCase{"x10", "10"},
                      ConversionCase{"0xabc", "ABC"}));

class DecToHexTextFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DecToHexTextFails, WithTheConversionError) {
    try {
        DecToHexText(GetParam().text);
        FAIL() << "converted " << testing::Printable(GetParam().text);
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), ConvertErrorMessage(GetParam().unreadText).c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DecToHexTextFails,
                         ::testing::Values(FailureCase{"12 ", "12 "}, FailureCase{"1.5", "1.5"},
                                           FailureCase{"", ""}, FailureCase{"x", "x"},
                                           FailureCase{"2147483648", "2147483648"}));

class HexPairsToCharsConverts : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(HexPairsToCharsConverts, EachPairToOneCharacter) {
    EXPECT_EQ(HexPairsToChars(GetParam().text), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, HexPairsToCharsConverts,
    ::testing::Values(ConversionCase{"4A4B4C", "JKL"}, ConversionCase{"4A4B4C4", "JKL"},
                      ConversionCase{"", ""}, ConversionCase{"4", ""},
                      ConversionCase{"0d0A", "\r\n"}, ConversionCase{"00", std::string(1, '\0')},
                      ConversionCase{"4a0041", std::string("J\0A", 3)}, ConversionCase{"ff", "ÿ"},
                      ConversionCase{"D0DDDEF0FDFE", "ĞİŞğış"}, ConversionCase{"80", "€"},
                      ConversionCase{"81", "\u0081"},
                      // Pairs are characters: a lone two-byte letter at the end is ignored.
                      ConversionCase{"4Ağ", "J"}));

class HexPairsToCharsFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(HexPairsToCharsFails, NamingTheFirstBadPair) {
    try {
        HexPairsToChars(GetParam().text);
        FAIL() << "converted " << testing::Printable(GetParam().text);
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), ConvertErrorMessage(GetParam().unreadText).c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, HexPairsToCharsFails,
                         ::testing::Values(FailureCase{"4G", "$4G"}, FailureCase{"4A4G4B", "$4G"},
                                           FailureCase{"4ğ", "$4ğ"}, FailureCase{"ğ4", "$ğ4"},
                                           FailureCase{"çş41", "$çş"}, FailureCase{" 4", "$ 4"},
                                           FailureCase{"-1", "$-1"}, FailureCase{"+1", "$+1"},
                                           FailureCase{"x1", "$x1"}, FailureCase{"4 ", "$4 "},
                                           FailureCase{std::string("4\0", 2),
                                                       std::string("$4\0", 3)}));

} // namespace
} // namespace kelvra
