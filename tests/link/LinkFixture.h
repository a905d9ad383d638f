#pragma once

#include "link/KelvraDM.h"
#include "support/FakeConsole.h"
#include "support/FakeDevice.h"
#include "support/ManualClock.h"
#include "support/ScriptedEndpoint.h"

#include <gtest/gtest.h>

namespace kelvra::testing {

// A data module wired to fakes in virtual time.
class LinkTest : public ::testing::Test {
protected:
    ManualClock clock;
    ScriptedEndpoint endpoint{clock};
    FakeConsole console;
    FakeHostNetwork network;
    TFKelvraDM dm{endpoint, clock, console, network};

    void useDevice(const FakeDevice& device) { endpoint.setResponder(device.responder()); }
    std::vector<std::string> logged() const { return WithoutTimes(console.log); }
    // Connects to a device that accepts the handshake, then forgets the traffic.
    void connectFirst() {
        endpoint.queue(ScriptedReply::answer("OK"));
        ASSERT_TRUE(dm.ConnectDevice("192.168.1.200", "10001"));
        console.log.clear();
        clock.resetElapsed();
        sentMark = endpoint.sent().size();
    }
    // Connects to a silent device: the address is set, the flag is down.
    void failConnectFirst() {
        endpoint.queue(ScriptedReply::silence());
        ASSERT_FALSE(dm.ConnectDevice("192.168.1.200", "10001"));
        console.log.clear();
        clock.resetElapsed();
        sentMark = endpoint.sent().size();
    }
    // The datagrams sent since connectFirst() or failConnectFirst().
    std::vector<std::string> sentSinceConnect() const {
        const std::vector<std::string> all = endpoint.sentTexts();
        return {all.begin() + static_cast<std::ptrdiff_t>(sentMark), all.end()};
    }
    std::size_t sentMark = 0;
    std::size_t sentCount() const { return endpoint.sent().size(); }
};

} // namespace kelvra::testing
