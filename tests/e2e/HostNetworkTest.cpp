#include "e2e/support/PrivateNetwork.h"
#include "net/SystemHostNetwork.h"
#include "net/raw_ping.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;

TEST(PingHost, HearsTheLoopback) {
    EXPECT_TRUE(PingHost("127.0.0.1"));
    EXPECT_TRUE(PingHost("localhost"));
}

TEST(PingHost, HearsNothingWhereNobodyIs) {
    // Only in the private network, which has no route to this address.
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    EXPECT_FALSE(PingHost("192.168.1.251"));
}

// A name, its first address (zeros for none) and whether only a private network may
// ask the resolver.
using Resolved = std::tuple<std::string, std::array<std::uint8_t, 4>, bool>;

class ResolveHost : public ::testing::TestWithParam<Resolved> {};

TEST_P(ResolveHost, GivesTheFirstAddressOrZeros) {
    const auto& [name, address, needsPrivateNetwork] = GetParam();
    if (needsPrivateNetwork) {
        KELVRA_REQUIRE_PRIVATE_NETWORK();
    }
    EXPECT_EQ(ResolveHostAddress(name), address);
}

INSTANTIATE_TEST_SUITE_P(Names, ResolveHost,
                         ::testing::Values(Resolved{"localhost", {127, 0, 0, 1}, false},
                                           Resolved{"192.168.1.200", {192, 168, 1, 200}, false},
                                           Resolved{"no-such-host.invalid", {0, 0, 0, 0}, true},
                                           Resolved{"", {0, 0, 0, 0}, true}));

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
