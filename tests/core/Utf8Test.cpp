#include "core/Utf8.h"

#include "PrintableText.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace kelvra {
namespace {

struct SplitCase {
    std::string text;
    std::vector<std::size_t> lengths; // byte length of each character
    friend std::ostream& operator<<(std::ostream& os, const SplitCase& c) {
        return os << testing::Printable(c.text);
    }
};

class Utf8CharactersSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Utf8CharactersSplits, IntoWholeCharacters) {
    std::vector<std::size_t> lengths;
    std::string joined;
    for (const std::string_view character : Utf8Characters(GetParam().text)) {
        lengths.push_back(character.size());
        joined += character;
    }
    EXPECT_EQ(lengths, GetParam().lengths);
    EXPECT_EQ(joined, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(WellFormed, Utf8CharactersSplits,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"ab", {1, 1}},
                                           SplitCase{std::string("\0a", 2), {1, 1}},
                                           SplitCase{"ğü", {2, 2}}, SplitCase{"a€", {1, 3}},
                                           SplitCase{"😀.", {4, 1}},
                                           SplitCase{"\xF4\x8F\xBF\xBF", {4}}));

// Each byte that does not begin a well-formed sequence stands alone.
INSTANTIATE_TEST_SUITE_P(
    Malformed, Utf8CharactersSplits,
    ::testing::Values(SplitCase{"\xC3", {1}}, SplitCase{"\xC3(", {1, 1}},
                      SplitCase{"\x80\xBF", {1, 1}}, SplitCase{"\xE2\x82", {1, 1}},
                      SplitCase{"\xF0\x9F\x98", {1, 1, 1}}, SplitCase{"\xC0\xAF", {1, 1}},
                      SplitCase{"\xE0\x80\xAF", {1, 1, 1}}, SplitCase{"\xED\xA0\x80", {1, 1, 1}},
                      SplitCase{"\xF4\x90\x80\x80", {1, 1, 1, 1}},
                      SplitCase{"\xF5\x80\x80\x80", {1, 1, 1, 1}},
                      SplitCase{"\xE2\x82ğ", {1, 1, 2}}));

} // namespace
} // namespace kelvra
