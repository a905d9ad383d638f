#include "net/UdpEndpoint.h"

#include "core/Errors.h"
#include "e2e/support/PrivateNetwork.h"
#include "e2e/support/SimProcess.h"
#include "support/ErrorText.h"
#include "support/net/LoopbackPeer.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;

using test::ErrorText;
using test::LoopbackPeer;

constexpr const char* kIdentity = "KLV-DL200|FW2.4|SN20481";

// An endpoint aimed at host and port.
struct Aimed : UdpEndpoint {
    Aimed(const std::string& host, int port) {
        setHost(host);
        setPort(port);
    }
    std::string exchange(const std::string& command, int waitMs = 2000) {
        send(command);
        return receive(waitMs);
    }
};

TEST(UdpEndpoint, SendsTheBareCommandAndReturnsTheReply) {
    SimProcess sim;
    Aimed endpoint("127.0.0.1", sim.port());
    EXPECT_EQ(endpoint.exchange("CAS"), kIdentity);
    EXPECT_TRUE(sim.waitForLine("\"CAS\"")) << "the datagram carried more than the command";
    EXPECT_TRUE(endpoint.isOpen());
    EXPECT_NE(endpoint.localPort(), 0);
}

TEST(UdpEndpoint, KeepsTheReplyLineBreaks) {
    SimProcess sim({"--crlf"});
    EXPECT_EQ(Aimed("127.0.0.1", sim.port()).exchange("COK"), "OK\r\n");
}

// The endpoint's own host rule: a name without regard to case, or a dotted quad
// read by the integer text rule.
class HostTextRule : public ::testing::TestWithParam<const char*> {};

TEST_P(HostTextRule, ReachesTheLoopbackDevice) {
    SimProcess sim;
    EXPECT_EQ(Aimed(GetParam(), sim.port()).exchange("COK"), "OK");
}

INSTANTIATE_TEST_SUITE_P(Texts, HostTextRule,
                         ::testing::Values("LocalHost", "0x7F.0.0.1", " 127.0.0.+1",
                                           "127.000.0.01"));

class UnresolvableHost : public ::testing::TestWithParam<const char*> {};

TEST_P(UnresolvableHost, FailsTheSendWithHostNotFound) {
    // An unknown name goes to the resolver, so only where nothing can leave.
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    Aimed endpoint(GetParam(), 10001);
    EXPECT_EQ(ErrorText<ESocketError>([&] { endpoint.send("COK"); }), "Host not found.");
}

// The last two fail the dotted rule and then the look-up too.
INSTANTIATE_TEST_SUITE_P(Texts, UnresolvableHost,
                         ::testing::Values("no-such-host.invalid", "127.0.0.256", "127.0.0.1 "));

TEST(UdpEndpoint, RefusesToSendWithoutAHost) {
    Aimed endpoint("", 10001);
    EXPECT_THROW(endpoint.send("COK"), ESocketError);
    EXPECT_EQ(endpoint.localPort(), 0) << "something went out";
}

class PortOutOfReach : public ::testing::TestWithParam<int> {};

TEST_P(PortOutOfReach, FailsTheSendWithASocketError) {
    Aimed endpoint("127.0.0.1", GetParam());
    EXPECT_EQ(ErrorText<ESocketError>([&] { endpoint.send("COK"); }).rfind("Socket Error # ", 0),
              0u);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortOutOfReach, ::testing::Values(-1, 65536));

TEST(UdpEndpoint, ThrowsALateReplyAwayAtTheNextSend) {
    SimProcess sim({"--late-only", "CPR", "--late-ms", "100"});
    Aimed endpoint("127.0.0.1", sim.port());
    EXPECT_EQ(endpoint.exchange("CPR", 20), "");
    ASSERT_TRUE(sim.waitForLine("\"CPR\""));
    std::this_thread::sleep_for(std::chrono::milliseconds(250)); // the late reply is waiting
    EXPECT_EQ(endpoint.exchange("CGR"), "192.168.1.1");
}

TEST(UdpEndpoint, ThrowsTheSecondCopyOfADuplicatedReplyAway) {
    SimProcess sim({"--duplicate"});
    Aimed endpoint("127.0.0.1", sim.port());
    EXPECT_EQ(endpoint.exchange("CAS"), kIdentity);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(endpoint.exchange("CGR"), "192.168.1.1");
}

TEST(UdpEndpoint, NeverTakesADatagramFromAnotherAddressForTheReply) {
    // A device that answers after the stranger, one that answers before it, and one
    // that never does.
    struct Row {
        std::vector<std::string> simArguments;
        bool strangerAfterTheReply;
        std::string reply;
    };
    for (const Row& row : {Row{{"--late-ms", "100"}, false, kIdentity}, Row{{}, true, kIdentity},
                           Row{{"--silent"}, false, ""}}) {
        SimProcess sim(row.simArguments);
        LoopbackPeer stranger("127.0.0.2");
        Aimed endpoint("127.0.0.1", sim.port());
        endpoint.send("CAS");
        if (row.strangerAfterTheReply) {
            ASSERT_TRUE(sim.waitForLine("-> \"KLV"));
            std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the line comes first
        }
        stranger.sendTo("OK stranger", endpoint.localPort());
        EXPECT_EQ(endpoint.receive(300), row.reply);
    }
}

TEST(UdpEndpoint, TakesASwitchedOffDeviceForSilence) {
    std::uint16_t closedPort = 0;
    {
        const LoopbackPeer gone;
        closedPort = gone.port();
    }
    Aimed endpoint("127.0.0.1", closedPort);
    EXPECT_EQ(endpoint.exchange("COK", 100), "");
    EXPECT_EQ(endpoint.exchange("COK", 100), "");
}

TEST(UdpEndpoint, ReopeningForgetsWhatWasWaiting) {
    SimProcess sim;
    Aimed endpoint("127.0.0.1", sim.port());
    endpoint.send("CAS");
    ASSERT_TRUE(sim.waitForLine("-> \"KLV"));
    endpoint.close();
    EXPECT_EQ(endpoint.localPort(), 0);
    EXPECT_EQ(endpoint.receive(50), "");
    EXPECT_EQ(endpoint.exchange("CGR"), "192.168.1.1");
}

// The endpoint against a device played by the test, for what the simulator
// does not send.
class PlayedDevice : public ::testing::Test {
protected:
    LoopbackPeer device;
    Aimed endpoint{"127.0.0.1", device.port()};

    // Takes the endpoint's datagram and answers it with reply.
    std::string answerWith(const std::string& sent, const std::string& reply) {
        endpoint.send(sent);
        const auto got = device.receive();
        if (got) {
            device.answer(reply);
        }
        return got.value_or("(nothing arrived)");
    }
};

TEST_F(PlayedDevice, CutsAnOversizeDatagramToTheBuffer) {
    answerWith("CAS", std::string(UdpEndpoint::kBufferSize + 1000, 'A'));
    EXPECT_EQ(endpoint.receive(2000), std::string(UdpEndpoint::kBufferSize, 'A'));
    answerWith("CPR", "10001");
    EXPECT_EQ(endpoint.receive(2000), "10001") << "the cut-off rest was taken as a reply";
}

TEST_F(PlayedDevice, SpeaksWindows1254OnTheWire) {
    // Ç Ğ ı ş as UTF-8 here, one byte each on the wire.
    EXPECT_EQ(answerWith("\xC3\x87\xC4\x9E", "\xFD\xFE"), "\xC7\xD0");
    EXPECT_EQ(endpoint.receive(2000), "\xC4\xB1\xC5\x9F");
}

} // namespace
} // namespace kelvra::e2e
