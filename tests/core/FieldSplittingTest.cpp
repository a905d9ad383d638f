#include "core/FieldSplitting.h"

#include "PrintableText.h"
#include "core/Errors.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace kelvra {
namespace {

using Items = std::vector<std::string>;

struct SplitCase {
    std::string text;
    Items items;
    char delimiter = '|';
    friend std::ostream& operator<<(std::ostream& os, const SplitCase& c) {
        return os << "'" << c.delimiter << "' " << testing::Printable(c.text);
    }
};

class SplitItemsSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitItemsSplits, GivesTheItemsInOrder) {
    const auto items = SplitItems(GetParam().delimiter, GetParam().text);
    ASSERT_TRUE(items.has_value());
    EXPECT_EQ(*items, GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Delimiters, SplitItemsSplits,
    ::testing::Values(SplitCase{"a|b|c", {"a", "b", "c"}}, SplitCase{"a||b", {"a", "", "b"}},
                      SplitCase{"a|", {"a", ""}}, SplitCase{"a||", {"a", "", ""}},
                      SplitCase{"a| ", {"a"}}, SplitCase{"a |", {"a", ""}},
                      SplitCase{"|a", {"", "a"}}, SplitCase{"|", {"", ""}},
                      SplitCase{"||", {"", "", ""}}, SplitCase{"| |", {"", "", ""}},
                      SplitCase{"192.168.1.200", {"192", "168", "1", "200"}, '.'},
                      SplitCase{"192.168.1", {"192", "168", "1"}, '.'},
                      SplitCase{".", {"", ""}, '.'}, SplitCase{"a.b|c", {"a.b", "c"}, '|'}));

INSTANTIATE_TEST_SUITE_P(Blanks, SplitItemsSplits,
                         ::testing::Values(SplitCase{" a | b ", {"a", "b"}}, SplitCase{" | ", {""}},
                                           SplitCase{"a b|c", {"a", "b", "c"}},
                                           SplitCase{"a\r\nb|c", {"a", "b", "c"}},
                                           SplitCase{"a|b\r\n", {"a", "b"}},
                                           SplitCase{"\x01"
                                                     "a|\x1F"
                                                     "b",
                                                     {"a", "b"}},
                                           SplitCase{"   |   |   ", {"", ""}},
                                           SplitCase{"a|   |b", {"a", "", "b"}},
                                           SplitCase{"a\x7F|b", {"a\x7F", "b"}}));

// Bytes from 0x80 up are ordinary characters, never blanks, whatever char's sign.
INSTANTIATE_TEST_SUITE_P(NonAscii, SplitItemsSplits,
                         ::testing::Values(SplitCase{"ğ|ş", {"ğ", "ş"}},
                                           SplitCase{"İstanbul|Çorum ı",
                                                     {"İstanbul", "Çorum", "ı"}},
                                           SplitCase{"Ş|", {"Ş", ""}}, SplitCase{"|ü", {"", "ü"}},
                                           SplitCase{"a\x85"
                                                     "b|\xA0",
                                                     {"a\x85"
                                                      "b",
                                                      "\xA0"}},
                                           SplitCase{"\"ç|ö\"|Ğ", {"ç|ö", "Ğ"}}));

INSTANTIATE_TEST_SUITE_P(CodeZero, SplitItemsSplits,
                         ::testing::Values(SplitCase{std::string("a\0|b", 4), {"a"}},
                                           SplitCase{std::string("\0|b", 3), {}},
                                           SplitCase{std::string("a|\0b", 4), {"a", ""}},
                                           SplitCase{std::string("a|b\0|c", 6), {"a", "b"}},
                                           SplitCase{std::string("\"a|\0b\"|c", 8), {"a|"}}));

// q in the comments stands for the double quote.
INSTANTIATE_TEST_SUITE_P(
    Quotes, SplitItemsSplits,
    ::testing::Values(SplitCase{"\"a|b\"|c", {"a|b", "c"}},                   // qa|bq|c
                      SplitCase{"\"say \"\"hi\"\"\"|x", {"say \"hi\"", "x"}}, // qsay qqhiqqq|x
                      SplitCase{"\"\"|x", {"", "x"}},                         // qq|x
                      SplitCase{"\"ab\"cd|e", {"ab", "cd", "e"}},             // qabqcd|e
                      SplitCase{"a\"b|c", {"a\"b", "c"}},                     // aqb|c
                      SplitCase{"\"a b\" c|d", {"a b", "c", "d"}},            // qa bq c|d
                      SplitCase{"\"a\"|", {"a", ""}}, SplitCase{"\"a\" |", {"a", ""}},
                      SplitCase{"\"a\" | \"b\"", {"a", "b"}}, SplitCase{"|\"a\"", {"", "a"}},
                      SplitCase{" \" a \" |b", {" a ", "b"}},
                      SplitCase{"\"a\"\"b\"c|d", {"a\"b", "c", "d"}},
                      SplitCase{"a|b\"\"", {"a", "b\"\""}}, SplitCase{"a|\"b\"\"\"", {"a", "b\""}},
                      SplitCase{"\"\"\"\"|x", {"\"", "x"}}));

// Without its closing quote an item runs to the end of the walk.
INSTANTIATE_TEST_SUITE_P(UnterminatedQuote, SplitItemsSplits,
                         ::testing::Values(SplitCase{"a|\"bc d", {"a", "bc d"}},
                                           SplitCase{"a|\"b|c", {"a", "b|c"}},
                                           SplitCase{"x|\"", {"x", ""}},
                                           SplitCase{"\"a|b\"\"", {"a|b\""}},
                                           SplitCase{"x|\"b\"\"c", {"x", "b\"c"}},
                                           SplitCase{"x|\"b \r\n", {"x", "b \r\n"}}));

struct NoSplitCase {
    std::string text;
    char delimiter = '|';
    friend std::ostream& operator<<(std::ostream& os, const NoSplitCase& c) {
        return os << "'" << c.delimiter << "' " << testing::Printable(c.text);
    }
};

class SplitItemsLeavesAlone : public ::testing::TestWithParam<NoSplitCase> {};

TEST_P(SplitItemsLeavesAlone, WhenTheDelimiterIsAbsent) {
    EXPECT_FALSE(SplitItems(GetParam().delimiter, GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitItemsLeavesAlone,
                         ::testing::Values(NoSplitCase{"abc"}, NoSplitCase{""}, NoSplitCase{"   "},
                                           NoSplitCase{"a.b"}, NoSplitCase{"192|168", '.'},
                                           NoSplitCase{std::string("a\0b", 3)},
                                           NoSplitCase{"\"a b\""}, NoSplitCase{"ğüş"}));

struct IndexCase {
    long long index;
    bool holds;
};

class FieldListReading : public ::testing::TestWithParam<IndexCase> {};

TEST_P(FieldListReading, HoldsOnlyItsPositions) {
    const FieldList list(Items{"192", "168", "1"});
    const long long index = GetParam().index;
    if (GetParam().holds) {
        EXPECT_EQ(list[index], (Items{"192", "168", "1"}[static_cast<std::size_t>(index)]));
        return;
    }
    try {
        (void)list[index];
        FAIL() << "read position " << index;
    } catch (const EStringListError& error) {
        EXPECT_EQ(error.what(), "List index out of bounds (" + std::to_string(index) + ")");
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, FieldListReading,
                         ::testing::Values(IndexCase{0, true}, IndexCase{2, true},
                                           IndexCase{3, false}, IndexCase{5, false},
                                           IndexCase{-1, false}, IndexCase{4294967296LL, false}));

TEST(FieldListReading, AnEmptyListHoldsNothing) {
    EXPECT_THROW((void)FieldList{}[0], EStringListError);
}

} // namespace
} // namespace kelvra
