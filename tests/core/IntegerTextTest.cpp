#include "core/IntegerText.h"

#include "core/Errors.h"
#include "support/ErrorText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace kelvra {
namespace {

constexpr std::int32_t kMin = INT32_MIN;
constexpr std::int32_t kMax = INT32_MAX;

using Accepted = std::tuple<std::string, std::int32_t>;

class StrToIntAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, ReadsTheValue) {
    EXPECT_EQ(StrToInt(std::get<0>(GetParam())), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Decimal, StrToIntAccepts,
                         ::testing::Values(Accepted{"0", 0}, Accepted{"-0", 0},
                                           Accepted{"123", 123}, Accepted{"+5", 5},
                                           Accepted{"-5", -5}, Accepted{" -7", -7},
                                           Accepted{"007", 7}, Accepted{"2147483647", kMax},
                                           Accepted{"-2147483648", kMin},
                                           Accepted{"-0000000000002147483648", kMin}));

// Up to eight significant digits taken as a 32-bit pattern, then the sign.
INSTANTIATE_TEST_SUITE_P(Hexadecimal, StrToIntAccepts,
                         ::testing::Values(Accepted{"$10", 16}, Accepted{"x1f", 31},
                                           Accepted{"X1F", 31}, Accepted{"0x10", 16},
                                           Accepted{"0X10", 16}, Accepted{"$aBcD", 0xABCD},
                                           Accepted{"  $FF", 255}, Accepted{"-$10", -16},
                                           Accepted{"+0x1F", 31}, Accepted{"$FFFFFFFF", -1},
                                           Accepted{"$7fffffff", kMax}, Accepted{"$80000000", kMin},
                                           Accepted{"-$80000000", kMin}, Accepted{"-$FFFFFFFF", 1},
                                           Accepted{"$00000000FFFFFFFF", -1},
                                           Accepted{"0x0000000012345678", 0x12345678}));

class StrToIntRejects : public ::testing::TestWithParam<std::string> {};

TEST_P(StrToIntRejects, ThrowsWithTheWholeText) {
    EXPECT_EQ(test::ErrorText<EConvertError>([&] { (void)StrToInt(GetParam()); }),
              test::ConvertMessage(GetParam()));
}

// The one place that spells the message; every other test takes it from the type.
TEST(ConvertErrorText, NamesTheWholeTextInQuotes) {
    EXPECT_STREQ(EConvertError(" 12 ").what(), "' 12 ' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(EmptyOrIncomplete, StrToIntRejects,
                         ::testing::Values("", "   ", "+", " -", "$", "x", "X", "0x", "0X", "-$"));

// Only code 32 is a leading blank; nothing may trail.
INSTANTIATE_TEST_SUITE_P(StrayCharacters, StrToIntRejects,
                         ::testing::Values("12 ", "\t12", "1.5", "--5", "- 5", "$-5", "$ 5", "00x1",
                                           "$G", "$1 ", "\u00A05", std::string("1\0", 2),
                                           std::string(1, '\0') + "1"));

INSTANTIATE_TEST_SUITE_P(OutOfRange, StrToIntRejects,
                         ::testing::Values("2147483648", "-2147483649", "99999999999999999999",
                                           "$100000000", "-$100000000", "0x1FFFFFFFF"));

} // namespace
} // namespace kelvra
