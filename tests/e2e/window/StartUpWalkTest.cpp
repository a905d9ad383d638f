// The first show of the real window on the real host network: hosts in namespaces
// of their own beside the PC, real echo and the real neighbour table.

#include "e2e/support/NeighbourHost.h"
#include "e2e/support/PrivateNetwork.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/SystemHostNetwork.h"
#include "net/UdpEndpoint.h"
#include "support/qt/RecordingDialogs.h"
#include "ui/Main.h"

#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;
using Addresses = std::vector<std::string>;

// Hosts that answer echo, hosts that drop it but answer ARP, and the proposal.
using Walk = std::tuple<Addresses, Addresses, std::string>;

class StartUpWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(StartUpWalk, ProposesTheFirstAddressNobodyHolds) {
    const auto& [answering, droppingEcho, proposed] = GetParam();
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    PcBridge bridge;
    if (!bridge.ready()) {
        GTEST_SKIP() << "cannot make a bridge here";
    }
    std::vector<std::unique_ptr<NeighbourHost>> hosts;
    if (!answering.empty()) {
        hosts.push_back(std::make_unique<NeighbourHost>(answering));
    }
    if (!droppingEcho.empty()) {
        hosts.push_back(std::make_unique<NeighbourHost>(droppingEcho, true));
    }
    for (const auto& host : hosts) {
        ASSERT_TRUE(host->ready());
    }

    UdpEndpoint endpoint;
    SystemClock clock;
    SystemHostNetwork network;
    test::RecordingDialogs dialogs;
    TfrmMain window{dialogs};
    TFKelvraDM dm{endpoint, clock, window, network};
    window.attachDataModule(dm);
    window.show(); // the walk runs inside the first show

    EXPECT_EQ(window.yeniCihazIP->text().toStdString(), proposed);
    EXPECT_FALSE(window.pc->tabBar()->isVisible());
    EXPECT_TRUE(dialogs.stops.empty()) << dialogs.stopTexts().join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lans, StartUpWalk,
    ::testing::Values(Walk{{}, {}, "192.168.1.251"},
                      Walk{{"192.168.1.251", "192.168.1.250"}, {}, "192.168.1.249"},
                      Walk{{}, {"192.168.1.251"}, "192.168.1.250"}));

} // namespace
} // namespace kelvra::e2e
