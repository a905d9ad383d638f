#include "e2e/support/NeighbourHost.h"
#include "e2e/support/PrivateNetwork.h"
#include "net/EchoProbe.h"
#include "net/EchoSocket.h"
#include "net/HostResolution.h"
#include "net/SystemHostNetwork.h"
#include "support/NamedRow.h"

#include <array>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

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

class LookUpHost : public ::testing::TestWithParam<Resolved> {};

TEST_P(LookUpHost, GivesTheFirstAddressOrZeros) {
    const auto& [name, address, needsPrivateNetwork] = GetParam();
    if (needsPrivateNetwork) {
        KELVRA_REQUIRE_PRIVATE_NETWORK();
    }
    EXPECT_EQ(LookUpHostName(name).value_or(Ipv4Bytes{}), address);
}

INSTANTIATE_TEST_SUITE_P(Names, LookUpHost,
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

TEST(SystemHostNetwork, HasNoAddressWithOnlyLoopback) {
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    // Whatever the hosts file maps the host name to, the PC is on no network.
    SystemHostNetwork network;
    std::string text = "untouched";
    EXPECT_FALSE(network.localIp(text));
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(network.localIpText(), "ERROR_GETHOST");
}

// A LAN beside the PC at .10: a host answering at .251, nobody at .249.
class Lan : public ::testing::Test {
protected:
    void SetUp() override {
        KELVRA_REQUIRE_PRIVATE_NETWORK();
        bridge_ = std::make_unique<PcBridge>();
        if (!bridge_->ready()) {
            GTEST_SKIP() << "cannot make a bridge here";
        }
        host_ = std::make_unique<NeighbourHost>(std::vector<std::string>{"192.168.1.251"});
        ASSERT_TRUE(host_->ready());
    }

    std::unique_ptr<PcBridge> bridge_;
    std::unique_ptr<NeighbourHost> host_;
};

// ping_group_range in the private network, whether the probe runs as an
// unprivileged user, and the kind of echo socket it gets.
struct EchoPath : test::NamedRow {
    const char* groupRange;
    bool unprivileged;
    EchoSocketKind kind;
};

class LanEchoPath : public Lan, public ::testing::WithParamInterface<EchoPath> {};

// Writes a sysctl of the private network (only ever after Lan made sure it is one).
bool WriteSysctl(const std::string& path, const std::string& value) {
    std::ofstream file(path);
    file << value << '\n';
    return static_cast<bool>(file.flush());
}

std::string ReadSysctl(const std::string& path) {
    std::ifstream file(path);
    std::string value;
    std::getline(file, value);
    return value;
}

TEST_P(LanEchoPath, AnswersWhereverASocketCanBeHad) {
    const EchoPath& path = GetParam();
    const std::string rangeFile = "/proc/sys/net/ipv4/ping_group_range";
    const std::string before = ReadSysctl(rangeFile);
    ASSERT_TRUE(WriteSysctl(rangeFile, path.groupRange));
    struct Restore {
        std::string file;
        std::string value;
        ~Restore() { WriteSysctl(file, value); }
    } restore{rangeFile, before};

    // The child reports the socket kind and both probes in its exit status.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr gid_t kNobody = 65534;
        if (path.unprivileged &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(100);
        }
        const int socketKind = static_cast<int>(EchoSocket().kind());
        const bool answered = PingHost("192.168.1.251");
        const bool silent = !PingHost("192.168.1.249");
        ::_exit(socketKind * 4 + (answered ? 2 : 0) + (silent ? 1 : 0));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    const int result = WEXITSTATUS(status);
    ASSERT_NE(result, 100) << "could not become an unprivileged user";
    EXPECT_EQ(result / 4, static_cast<int>(path.kind));
    // Without a socket nothing is answered: the silent probe stays silent.
    EXPECT_EQ((result & 2) != 0, path.kind != EchoSocketKind::None);
    EXPECT_TRUE((result & 1) != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sockets, LanEchoPath,
    ::testing::Values(
        EchoPath{{"raw socket as root"}, "1 0", false, EchoSocketKind::Raw},
        EchoPath{{"datagram socket as root"}, "0 2147483647", false, EchoSocketKind::Datagram},
        EchoPath{{"datagram socket as a user"}, "0 2147483647", true, EchoSocketKind::Datagram},
        EchoPath{{"no socket as a user"}, "1 0", true, EchoSocketKind::None}),
    test::RowName{});

} // namespace
} // namespace kelvra::e2e
