#include "core/IntegerText.h"

#include "PrintableText.h"
#include "core/Errors.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace kelvra {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct AcceptedCase {
    std::string text;
    std::int32_t value;
    friend std::ostream& operator<<(std::ostream& os, const AcceptedCase& c) {
        return os << testing::Printable(c.text) << " -> " << c.value;
    }
};

class StrToIntAccepts : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(StrToIntAccepts, ReadsTheValue) {
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Decimal, StrToIntAccepts,
                         ::testing::Values(AcceptedCase{"0", 0}, AcceptedCase{"00", 0},
                                           AcceptedCase{"-0", 0}, AcceptedCase{"123", 123},
                                           AcceptedCase{"+5", 5}, AcceptedCase{"-5", -5},
                                           AcceptedCase{"   42", 42}, AcceptedCase{" -7", -7},
                                           AcceptedCase{"007", 7}, AcceptedCase{"2147483647", kMax},
                                           AcceptedCase{"+2147483647", kMax},
                                           AcceptedCase{"-2147483648", kMin},
                                           AcceptedCase{"-0000000000002147483648", kMin},
                                           AcceptedCase{"0002147483647", kMax}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, StrToIntAccepts,
    ::testing::Values(AcceptedCase{"$10", 16}, AcceptedCase{"x1f", 31}, AcceptedCase{"X1F", 31},
                      AcceptedCase{"0x10", 16}, AcceptedCase{"0X10", 16}, AcceptedCase{"$0", 0},
                      AcceptedCase{"0x0", 0}, AcceptedCase{"$aBcD", 0xABCD},
                      AcceptedCase{"  $FF", 255}, AcceptedCase{"-$10", -16},
                      AcceptedCase{"+0x1F", 31}, AcceptedCase{"-x1", -1},
                      AcceptedCase{"$FFFFFFFF", -1}, AcceptedCase{"$7fffffff", kMax},
                      AcceptedCase{"$80000000", kMin}, AcceptedCase{"-$80000000", kMin},
                      AcceptedCase{"-$FFFFFFFF", 1}, AcceptedCase{"-$7FFFFFFF", -kMax},
                      AcceptedCase{"$000000001", 1}, AcceptedCase{"$00000000FFFFFFFF", -1},
                      AcceptedCase{"0x0000000012345678", 0x12345678}));

class StrToIntRejects : public ::testing::TestWithParam<std::string> {};

TEST_P(StrToIntRejects, ThrowsWithTheWholeText) {
    const std::string& text = GetParam();
    try {
        StrToInt(text);
        FAIL() << "accepted " << testing::Printable(text);
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), ("'" + text + "' is not a valid integer value").c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(EmptyOrIncomplete, StrToIntRejects,
                         ::testing::Values("", " ", "   ", "+", "-", " -", "$", "x", "X", "0x",
                                           "0X", "-$", "+0x", " $"));

INSTANTIATE_TEST_SUITE_P(StrayCharacters, StrToIntRejects,
                         ::testing::Values("12 ", " 12 ", "\t12", "\n12", "1.5", "12a", "1,000",
                                           "--5", "+-5", "- 5", "$-5", "$+5", "$ 5", "0x-1", "00x1",
                                           "x0x1", "$G", "0xg", "$1 ",
                                           "\xC2\xA0"
                                           "5",
                                           std::string("1\0", 2),
                                           std::string("\0"
                                                       "1",
                                                       2),
                                           "\xD9\xA3", "0b1", "1e3"));

INSTANTIATE_TEST_SUITE_P(OutOfRange, StrToIntRejects,
                         ::testing::Values("2147483648", "+2147483648", "-2147483649",
                                           "99999999999999999999", "4294967295", "$100000000",
                                           "$123456789", "-$100000000", "0x1FFFFFFFF"));

} // namespace
} // namespace kelvra
