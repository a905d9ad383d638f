#include "core/StopBoxText.h"

#include "support/NamedRow.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvra {
namespace {

// An error's message and the stop box's text for it.
struct StopBoxCase : test::NamedRow {
    std::string message;
    std::string shown;
};

class StopBox : public ::testing::TestWithParam<StopBoxCase> {};

// A "." is added when the last byte sorts after '.' (0x2E).
TEST_P(StopBox, AddsAFullStopAfterAByteAboveIt) {
    EXPECT_EQ(StopBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, StopBox,
    ::testing::Values(
        StopBoxCase{{"empty"}, "", ""}, StopBoxCase{{"letter"}, "bad", "bad."},
        StopBoxCase{{"full stop"}, "done.", "done."},
        StopBoxCase{
            {"closing bracket"}, "List index out of bounds (4)", "List index out of bounds (4)"},
        StopBoxCase{{"hyphen, 0x2D"}, "a-", "a-"}, StopBoxCase{{"slash, 0x2F"}, "a/", "a/."},
        StopBoxCase{{"line break"}, "a\r\n", "a\r\n"},
        StopBoxCase{{"UTF-8 letter, last byte above 0x7F"}, "De\xc4\x9f", "De\xc4\x9f."}),
    test::RowName{});

} // namespace
} // namespace kelvra
