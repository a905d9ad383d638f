#include "core/Ipv4Address.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>

namespace kelvra {
namespace {

class DottedQuad
    : public ::testing::TestWithParam<std::tuple<std::string, std::optional<Ipv4Bytes>>> {};

TEST_P(DottedQuad, ReadsFourPartsByTheIntegerTextRule) {
    EXPECT_EQ(ParseDottedQuad(std::get<0>(GetParam())), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DottedQuad,
    ::testing::Values(std::tuple{"192.168.1.200", Ipv4Bytes{192, 168, 1, 200}},
                      std::tuple{"$FF.x0A.0X1.-0", Ipv4Bytes{255, 10, 1, 0}},
                      std::tuple{" 10. 0. +1.007", Ipv4Bytes{10, 0, 1, 7}},
                      std::tuple{"1.2.3.256", std::nullopt}, std::tuple{"1.2.3.-1", std::nullopt},
                      std::tuple{"1.2.3", std::nullopt}, std::tuple{"1.2.3.4.5", std::nullopt},
                      std::tuple{"1.2.3.4.", std::nullopt}, std::tuple{"1..3.4", std::nullopt},
                      std::tuple{"1.2.3.4 ", std::nullopt}, std::tuple{"", std::nullopt},
                      std::tuple{"0x100.0.0.1", std::nullopt}));

TEST(DottedQuad, FormatsAsPlainDecimal) {
    EXPECT_EQ(FormatIpv4({0, 4, 163, 255}), "0.4.163.255");
}

} // namespace
} // namespace kelvra
