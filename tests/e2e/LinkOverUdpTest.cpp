// The data module over the real endpoint and clock, against the simulator.

#include "PrivateNetwork.h"
#include "SimProcess.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeConsole.h"
#include "support/FakeDevice.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::e2e {
namespace {

using testing::FakeConsole;
using testing::FakeHostNetwork;
using testing::WithoutTime;

class LinkOverUdp : public ::testing::Test {
protected:
    UdpEndpoint endpoint;
    SystemClock clock;
    FakeConsole console;
    FakeHostNetwork network;
    TFKelvraDM dm{endpoint, clock, console, network};

    // Points the link at the simulator without the connect's 900 ms settle.
    void aimAt(const SimProcess& sim) {
        endpoint.setHost("127.0.0.1");
        endpoint.setPort(sim.port());
    }
    std::string lastLogLine() const {
        return console.log.empty() ? std::string() : WithoutTime(console.log.back());
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

TEST_F(LinkOverUdp, StripsTheLineBreakOfAReplyButLogsIt) {
    SimProcess sim({"--crlf"});
    aimAt(sim);
    EXPECT_EQ(dm.QueryDevice("CGR"), "192.168.1.1");
    EXPECT_EQ(lastLogLine(), " CGR>>>192.168.1.1\r\n");
}

TEST_F(LinkOverUdp, NeverTakesALateReplyForTheNextCommand) {
    SimProcess sim({"--late-only", "CPR", "--late-ms", "2500"});
    aimAt(sim);
    EXPECT_EQ(dm.QueryDevice("CPR"), "");
    EXPECT_EQ(dm.QueryDevice("CGR"), "192.168.1.1");
}

TEST_F(LinkOverUdp, ScoresAConfirmedSettingTheDeviceAccepted) {
    SimProcess sim;
    aimAt(sim);
    dm.SetDeviceValue("CDYS", "8", " Gün ");
    EXPECT_EQ(dm.SetTally(), 1);
    EXPECT_EQ(lastLogLine(), "  Gün  CDYS8F = OK");
    EXPECT_TRUE(sim.waitForLine("clock is now"));
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
