// The data module over the real endpoint and clock, against the simulator.

#include "e2e/support/PrivateNetwork.h"
#include "e2e/support/SimProcess.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeConsole.h"
#include "support/FakeDevice.h"
#include "support/FakeHostNetwork.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;

class LinkOverUdp : public ::testing::Test {
protected:
    UdpEndpoint endpoint;
    SystemClock clock;
    test::FakeConsole console;
    test::FakeHostNetwork network;
    TFKelvraDM dm{endpoint, clock, console, network};

    std::string lastLogLine() const {
        return console.log.empty() ? std::string() : test::WithoutTime(console.log.back());
    }
};

TEST_F(LinkOverUdp, ConnectsAndReadsTheIdentity) {
    SimProcess sim;
    EXPECT_TRUE(dm.ConnectDevice("127.0.0.1", sim.portText()));
    EXPECT_EQ(lastLogLine(), " IP: 127.0.0.1 Port: " + sim.portText() + " cihaza bağlanıldı.");
    EXPECT_EQ(dm.LastResponse(), "OK");

    EXPECT_EQ(dm.QueryDevice("CAS"), "KLV-DL200|FW2.4|SN20481");
    EXPECT_EQ(lastLogLine(), " CAS>>>KLV-DL200|FW2.4|SN20481");
}

TEST_F(LinkOverUdp, FindsTheDeviceAtItsFactoryAddress) {
    // Only where 192.168.1.200 can be given to the private loopback.
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    ASSERT_TRUE(RunIp({"addr", "add", "192.168.1.200/32", "dev", "lo"}));
    struct Removal {
        ~Removal() { RunIp({"addr", "del", "192.168.1.200/32", "dev", "lo"}); }
    } removal;
    SimProcess sim({}, "192.168.1.200", 10001);

    EXPECT_TRUE(dm.ConnectDevice(console.deviceAddressText(), console.devicePortText()));
    EXPECT_EQ(lastLogLine(), " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.");
    EXPECT_EQ(dm.QueryDevice("CPR"), "10001");
}

} // namespace
} // namespace kelvra::e2e
