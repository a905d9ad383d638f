#include "core/FieldSplitting.h"

#include "core/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kelvra {
namespace {

using Items = std::vector<std::string>;

struct SplitCase {
    std::string text;
    std::optional<Items> items; // none: the delimiter does not occur
    char delimiter = '|';
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << "'" << c.delimiter << "' " << ::testing::PrintToString(c.text);
}

class SplitItemsSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitItemsSplits, GivesTheItemsInOrder) {
    EXPECT_EQ(SplitItems(GetParam().delimiter, GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Delimiters, SplitItemsSplits,
    ::testing::Values(SplitCase{"a|b|c", Items{"a", "b", "c"}},
                      SplitCase{"a||b", Items{"a", "", "b"}}, SplitCase{"a|", Items{"a", ""}},
                      SplitCase{"a| ", Items{"a"}}, SplitCase{"a |", Items{"a", ""}},
                      SplitCase{"|a", Items{"", "a"}}, SplitCase{"|", Items{"", ""}},
                      SplitCase{"| |", Items{"", "", ""}},
                      SplitCase{"192.168.1.200", Items{"192", "168", "1", "200"}, '.'},
                      SplitCase{"a.b|c", Items{"a.b", "c"}}));

INSTANTIATE_TEST_SUITE_P(Absent, SplitItemsSplits,
                         ::testing::Values(SplitCase{"abc", std::nullopt},
                                           SplitCase{"", std::nullopt},
                                           SplitCase{"192|168", std::nullopt, '.'},
                                           SplitCase{"\"a b\"", std::nullopt}));

// Codes 1 to 32 (octal 001 to 040) end an item; 0x7F does not.
INSTANTIATE_TEST_SUITE_P(Blanks, SplitItemsSplits,
                         ::testing::Values(SplitCase{" a | b ", Items{"a", "b"}},
                                           SplitCase{" | ", Items{""}},
                                           SplitCase{"a b|c", Items{"a", "b", "c"}},
                                           SplitCase{"a\r\nb|c", Items{"a", "b", "c"}},
                                           SplitCase{"\001a|\037b", Items{"a", "b"}},
                                           SplitCase{"   |   |   ", Items{"", ""}},
                                           SplitCase{"a|   |b", Items{"a", "", "b"}},
                                           SplitCase{"a\x7F|b", Items{"a\x7F", "b"}}));

// Bytes from 0x80 up are ordinary characters, never blanks, whatever char's sign.
INSTANTIATE_TEST_SUITE_P(
    NonAscii, SplitItemsSplits,
    ::testing::Values(SplitCase{"İstanbul|Çorum ı", Items{"İstanbul", "Çorum", "ı"}},
                      SplitCase{"Ş|", Items{"Ş", ""}}, SplitCase{"|ü", Items{"", "ü"}},
                      SplitCase{"a\205b|\240", Items{"a\205b", "\240"}},
                      SplitCase{"\"ç|ö\"|Ğ", Items{"ç|ö", "Ğ"}}));

// A code 0 ends the walk, inside quotes too.
INSTANTIATE_TEST_SUITE_P(CodeZero, SplitItemsSplits,
                         ::testing::Values(SplitCase{std::string("a\0|b", 4), Items{"a"}},
                                           SplitCase{std::string("\0|b", 3), Items{}},
                                           SplitCase{std::string("a|\0b", 4), Items{"a", ""}},
                                           SplitCase{std::string("\"a|\0b\"|c", 8), Items{"a|"}}));

INSTANTIATE_TEST_SUITE_P(
    Quotes, SplitItemsSplits,
    ::testing::Values(
        SplitCase{"\"a|b\"|c", Items{"a|b", "c"}},
        SplitCase{"\"say \"\"hi\"\"\"|x", Items{"say \"hi\"", "x"}},
        SplitCase{"\"\"|x", Items{"", "x"}}, SplitCase{"\"ab\"cd|e", Items{"ab", "cd", "e"}},
        SplitCase{"a\"b|c", Items{"a\"b", "c"}}, SplitCase{"\"a\" | \"b\"", Items{"a", "b"}},
        SplitCase{"|\"a\"", Items{"", "a"}}, SplitCase{" \" a \" |b", Items{" a ", "b"}},
        SplitCase{"a|b\"\"", Items{"a", "b\"\""}}, SplitCase{"a|\"b\"\"\"", Items{"a", "b\""}},
        SplitCase{"\"\"\"\"|x", Items{"\"", "x"}}));

// Without its closing quote an item runs to the end of the walk.
INSTANTIATE_TEST_SUITE_P(UnterminatedQuote, SplitItemsSplits,
                         ::testing::Values(SplitCase{"a|\"b|c", Items{"a", "b|c"}},
                                           SplitCase{"x|\"", Items{"x", ""}},
                                           SplitCase{"\"a|b\"\"", Items{"a|b\""}},
                                           SplitCase{"x|\"b \r\n", Items{"x", "b \r\n"}}));

TEST(FieldList, HoldsOnlyItsPositions) {
    const FieldList list(Items{"192", "168", "1"});
    EXPECT_EQ(list[0], "192");
    EXPECT_EQ(list[2], "1");
    for (const long long index : {3LL, -1LL, 4294967296LL}) {
        EXPECT_EQ(test::ErrorText<EStringListError>([&] { (void)list[index]; }),
                  "List index out of bounds (" + std::to_string(index) + ")");
    }
    EXPECT_THROW((void)FieldList{}[0], EStringListError);
}

} // namespace
} // namespace kelvra
