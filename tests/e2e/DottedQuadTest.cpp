#include "net/Ipv4Address.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace kelvra::e2e {
namespace {

struct DottedCase {
    const char* text;
    std::optional<Ipv4Bytes> address;
};

void PrintTo(const DottedCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class DottedQuad : public ::testing::TestWithParam<DottedCase> {};

TEST_P(DottedQuad, ReadsFourPartsByTheIntegerTextRule) {
    EXPECT_EQ(ParseDottedQuad(GetParam().text), GetParam().address)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DottedQuad,
    ::testing::Values(DottedCase{"192.168.1.200", Ipv4Bytes{192, 168, 1, 200}},
                      DottedCase{"0x7F.0.0.1", Ipv4Bytes{127, 0, 0, 1}},
                      DottedCase{"$FF.x0A.0X1.-0", Ipv4Bytes{255, 10, 1, 0}},
                      DottedCase{" 10. 0. +1.007", Ipv4Bytes{10, 0, 1, 7}},
                      DottedCase{"0.0.0.0", Ipv4Bytes{0, 0, 0, 0}},
                      DottedCase{"1.2.3.256", std::nullopt}, DottedCase{"1.2.3.-1", std::nullopt},
                      DottedCase{"1.2.3", std::nullopt}, DottedCase{"1.2.3.4.5", std::nullopt},
                      DottedCase{"1.2.3.4.", std::nullopt}, DottedCase{"1..3.4", std::nullopt},
                      DottedCase{"1.2.3.4 ", std::nullopt}, DottedCase{"", std::nullopt},
                      DottedCase{"a.b.c.d", std::nullopt},
                      DottedCase{"0x100.0.0.1", std::nullopt}));

TEST(DottedQuad, FormatsAsPlainDecimal) {
    EXPECT_EQ(FormatIpv4({0, 4, 163, 255}), "0.4.163.255");
}

} // namespace
} // namespace kelvra::e2e
