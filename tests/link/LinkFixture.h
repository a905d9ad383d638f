#pragma once

#include "link/KelvraDM.h"
#include "support/ErrorText.h"
#include "support/FakeConsole.h"
#include "support/FakeDevice.h"
#include "support/FakeHostNetwork.h"
#include "support/ManualClock.h"
#include "support/NamedRow.h"
#include "support/ScriptedEndpoint.h"

#include <gtest/gtest.h>
#include <tuple>

namespace kelvra::test {

using Reply = ScriptedReply;
using Texts = std::vector<std::string>;
using TextPair = std::tuple<std::string, std::string>;

inline const std::string kConnected = " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.";
inline const std::string kNotConnected = " IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı.";

// A data module wired to fakes in virtual time.
class LinkTest : public ::testing::Test {
protected:
    ManualClock clock;
    ScriptedEndpoint endpoint{clock};
    FakeConsole console;
    FakeHostNetwork network;
    TFKelvraDM dm{endpoint, clock, console, network};
    std::size_t sentMark = 0;

    void useDevice(const FakeDevice& device) { endpoint.setResponder(device.responder()); }
    Texts logged() const { return WithoutTimes(console.log); }
    // Connects to a device that answers the handshake or not, then forgets the traffic.
    void connectFirst(bool answered = true) {
        endpoint.queue(answered ? Reply::answer("OK") : Reply::silence());
        ASSERT_EQ(dm.ConnectDevice("192.168.1.200", "10001"), answered);
        console.log.clear();
        clock.resetElapsed();
        sentMark = endpoint.sent().size();
    }
    // The datagrams sent since connectFirst().
    Texts sentSinceConnect() const {
        const Texts all = endpoint.sentTexts();
        return {all.begin() + static_cast<std::ptrdiff_t>(sentMark), all.end()};
    }
};

} // namespace kelvra::test
