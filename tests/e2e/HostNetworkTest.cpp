#include "PrivateNetwork.h"
#include "net/SystemHostNetwork.h"
#include "net/raw_ping.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace kelvra::e2e {
namespace {

TEST(PingHost, HearsTheLoopback) {
    EXPECT_TRUE(PingHost("127.0.0.1"));
    EXPECT_TRUE(PingHost("localhost"));
}

TEST(PingHost, HearsNothingWhereNobodyIs) {
    // Only in the private network, which has no route to this address.
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    EXPECT_FALSE(PingHost("192.168.1.251"));
}

struct ResolveCase {
    const char* name;
    std::array<std::uint8_t, 4> address;
    bool needsPrivateNetwork;
};

void PrintTo(const ResolveCase& c, std::ostream* out) {
    *out << '"' << c.name << '"';
}

class ResolveHost : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveHost, GivesTheFirstAddressOrZeros) {
    if (GetParam().needsPrivateNetwork) {
        KELVRA_REQUIRE_PRIVATE_NETWORK();
    }
    EXPECT_EQ(ResolveHostAddress(GetParam().name), GetParam().address) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, ResolveHost,
                         ::testing::Values(ResolveCase{"127.0.0.1", {127, 0, 0, 1}, false},
                                           ResolveCase{"localhost", {127, 0, 0, 1}, false},
                                           ResolveCase{"192.168.1.200", {192, 168, 1, 200}, false},
                                           ResolveCase{"no-such-host.invalid", {0, 0, 0, 0}, true},
                                           ResolveCase{"", {0, 0, 0, 0}, true}));

TEST(SystemHostNetwork, AgreesWithItselfOnThePcAddress) {
    SystemHostNetwork network;
    std::string text = "untouched";
    if (network.localIp(text)) {
        EXPECT_EQ(network.localIpText(), text);
        EXPECT_EQ(std::count(text.begin(), text.end(), '.'), 3) << text;
    } else {
        EXPECT_EQ(text, "untouched");
        EXPECT_EQ(network.localIpText().rfind("ERROR_", 0), 0u);
    }
}

TEST(SystemHostNetwork, PrefersTheFirstInterfaceBeyondLoopback) {
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    // A veth pair lives and dies inside the private network.
    if (!RunIp({"link", "add", "kvtest0", "type", "veth", "peer", "name", "kvtest1"})) {
        GTEST_SKIP() << "cannot make a veth pair here";
    }
    struct Removal {
        ~Removal() { RunIp({"link", "del", "kvtest0"}); }
    } removal;
    ASSERT_TRUE(RunIp({"addr", "add", "192.168.1.10/24", "dev", "kvtest0"}));
    ASSERT_TRUE(RunIp({"link", "set", "kvtest0", "up"}));

    SystemHostNetwork network;
    std::string text;
    EXPECT_TRUE(network.localIp(text));
    EXPECT_EQ(text, "192.168.1.10");
    EXPECT_EQ(network.localIpText(), "192.168.1.10");
}

} // namespace
} // namespace kelvra::e2e
