#include "core/Utf8.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace kelvra {
namespace {

// A text and the byte length of each of its characters.
using Split = std::tuple<std::string, std::vector<std::size_t>>;

class Utf8CharactersSplits : public ::testing::TestWithParam<Split> {};

TEST_P(Utf8CharactersSplits, IntoWholeCharacters) {
    std::vector<std::size_t> lengths;
    std::string joined;
    for (const std::string_view character : Utf8Characters(std::get<0>(GetParam()))) {
        lengths.push_back(character.size());
        joined += character;
    }
    EXPECT_EQ(lengths, std::get<1>(GetParam()));
    EXPECT_EQ(joined, std::get<0>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(WellFormed, Utf8CharactersSplits,
                         ::testing::Values(Split{"", {}}, Split{std::string("\0a", 2), {1, 1}},
                                           Split{"ğü", {2, 2}}, Split{"a€", {1, 3}},
                                           Split{"😀.", {4, 1}}, Split{"\xF4\x8F\xBF\xBF", {4}}));

// Each byte that does not begin a well-formed sequence stands alone: truncated,
// overlong, surrogate and beyond U+10FFFF.
INSTANTIATE_TEST_SUITE_P(
    Malformed, Utf8CharactersSplits,
    ::testing::Values(Split{"\xC3(", {1, 1}}, Split{"\x80\xBF", {1, 1}},
                      Split{"\xF0\x9F\x98", {1, 1, 1}}, Split{"\xC0\xAF", {1, 1}},
                      Split{"\xE0\x80\xAF", {1, 1, 1}}, Split{"\xED\xA0\x80", {1, 1, 1}},
                      Split{"\xF4\x90\x80\x80", {1, 1, 1, 1}},
                      Split{"\xF5\x80\x80\x80", {1, 1, 1, 1}}, Split{"\xE2\x82ğ", {1, 1, 2}}));

} // namespace
} // namespace kelvra
