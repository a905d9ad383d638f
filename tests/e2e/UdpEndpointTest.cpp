#include "net/UdpEndpoint.h"

#include "PrivateNetwork.h"
#include "SimProcess.h"
#include "TestSocket.h"
#include "core/Errors.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace kelvra::e2e {
namespace {

constexpr const char* kIdentity = "KLV-DL200|FW2.4|SN20481";
constexpr int kShortWaitMs = 300; // plenty on loopback, short enough for silent cases

void Aim(UdpEndpoint& endpoint, const std::string& host, int port) {
    endpoint.setHost(host);
    endpoint.setPort(port);
}

std::string Exchange(UdpEndpoint& endpoint, const std::string& command, int waitMs = 2000) {
    endpoint.send(command);
    return endpoint.receive(waitMs);
}

TEST(UdpEndpoint, SendsTheBareCommandAndReturnsTheReply) {
    SimProcess sim;
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());

    EXPECT_EQ(Exchange(endpoint, "CAS"), kIdentity);
    EXPECT_TRUE(sim.waitForLine("\"CAS\"")) << "the datagram carried more than the command";
    EXPECT_TRUE(endpoint.isOpen());
    EXPECT_NE(endpoint.localPort(), 0);
}

TEST(UdpEndpoint, KeepsTheReplyLineBreaks) {
    SimProcess sim({"--crlf"});
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());
    EXPECT_EQ(Exchange(endpoint, "COK"), "OK\r\n");
}

class HostTextRule : public ::testing::TestWithParam<const char*> {};

TEST_P(HostTextRule, ReachesTheLoopbackDevice) {
    SimProcess sim;
    UdpEndpoint endpoint;
    Aim(endpoint, GetParam(), sim.port());
    EXPECT_EQ(Exchange(endpoint, "COK"), "OK");
}

INSTANTIATE_TEST_SUITE_P(Texts, HostTextRule,
                         ::testing::Values("127.0.0.1", "LOCALHOST", "LocalHost", "localhost",
                                           "0x7F.0.0.1", "$7f.0.0.1", " 127.0.0.1", "127.0.0.+1",
                                           "127.000.0.01"));

class UnresolvableHost : public ::testing::TestWithParam<const char*> {};

TEST_P(UnresolvableHost, FailsTheSendWithHostNotFound) {
    // An unknown name goes to the resolver, so only where nothing can leave.
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    UdpEndpoint endpoint;
    Aim(endpoint, GetParam(), 10001);
    try {
        endpoint.send("COK");
        FAIL() << "sent to " << GetParam();
    } catch (const ESocketError& error) {
        EXPECT_STREQ(error.what(), "Host not found.");
    }
}

// Each of the last three fails the dotted rule and then the look-up too.
INSTANTIATE_TEST_SUITE_P(Texts, UnresolvableHost,
                         ::testing::Values("no-such-host.invalid", "127.0.0.256", "127.0.0.1 ",
                                           "127.0.0.1."));

TEST(UdpEndpoint, RefusesToSendWithoutAHost) {
    UdpEndpoint endpoint;
    endpoint.setPort(10001);
    EXPECT_THROW(endpoint.send("COK"), ESocketError);
    EXPECT_EQ(endpoint.localPort(), 0) << "something went out";
}

class PortOutOfReach : public ::testing::TestWithParam<int> {};

TEST_P(PortOutOfReach, FailsTheSendWithASocketError) {
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", GetParam());
    try {
        endpoint.send("COK");
        FAIL() << "sent to port " << GetParam();
    } catch (const ESocketError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Socket Error # ", 0), 0u) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Ports, PortOutOfReach, ::testing::Values(-1, 65536, 0x7FFFFFFF));

TEST(UdpEndpoint, ThrowsALateReplyAwayAtTheNextSend) {
    SimProcess sim({"--late-only", "CPR", "--late-ms", "100"});
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());

    EXPECT_EQ(Exchange(endpoint, "CPR", 20), "");
    ASSERT_TRUE(sim.waitForLine("\"CPR\""));
    std::this_thread::sleep_for(std::chrono::milliseconds(250)); // the late reply is waiting
    EXPECT_EQ(Exchange(endpoint, "CGR"), "192.168.1.1");
}

TEST(UdpEndpoint, ThrowsTheSecondCopyOfADuplicatedReplyAway) {
    SimProcess sim({"--duplicate"});
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());

    EXPECT_EQ(Exchange(endpoint, "CAS"), kIdentity);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(Exchange(endpoint, "CGR"), "192.168.1.1");
}

struct StrangerCase {
    const char* name;
    std::vector<std::string> switches;
    std::string expected;
};

void PrintTo(const StrangerCase& c, std::ostream* out) {
    *out << c.name;
}

class StrangerDatagram : public ::testing::TestWithParam<StrangerCase> {};

TEST_P(StrangerDatagram, IsNeverTakenForTheReply) {
    SimProcess sim(GetParam().switches);
    TestSocket stranger("127.0.0.2");
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());

    endpoint.send("CAS");
    stranger.sendTo("OK stranger", "127.0.0.1", endpoint.localPort());
    EXPECT_EQ(endpoint.receive(kShortWaitMs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, StrangerDatagram,
    ::testing::Values(StrangerCase{"Answering", {"--late-ms", "100"}, kIdentity},
                      StrangerCase{"Silent", {"--silent"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UdpEndpoint, TakesASwitchedOffDeviceForSilence) {
    std::uint16_t closedPort = 0;
    {
        const TestSocket gone;
        closedPort = gone.port();
    }
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", closedPort);
    EXPECT_EQ(Exchange(endpoint, "COK", 100), "");
    EXPECT_EQ(Exchange(endpoint, "COK", 100), "");
}

TEST(UdpEndpoint, WaitsQuietlyWhenNothingWasSentYet) {
    SimProcess sim;
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());

    EXPECT_EQ(endpoint.receive(50), "");
    EXPECT_TRUE(endpoint.isOpen());
    EXPECT_EQ(Exchange(endpoint, "CAS"), kIdentity);
}

TEST(UdpEndpoint, ReopeningForgetsWhatWasWaiting) {
    SimProcess sim;
    UdpEndpoint endpoint;
    Aim(endpoint, "127.0.0.1", sim.port());

    endpoint.send("CAS");
    ASSERT_TRUE(sim.waitForLine("-> \"KLV"));
    endpoint.close();
    EXPECT_EQ(endpoint.localPort(), 0);
    EXPECT_EQ(endpoint.receive(50), "");
    EXPECT_EQ(Exchange(endpoint, "CGR"), "192.168.1.1");
}

// The endpoint against a device played by the test, for what the simulator
// does not send.
class PlayedDevice : public ::testing::Test {
protected:
    TestSocket device;
    UdpEndpoint endpoint;

    void SetUp() override { Aim(endpoint, "127.0.0.1", device.port()); }

    // Takes the endpoint's datagram and answers it with reply.
    std::string answerWith(const std::string& sent, const std::string& reply) {
        endpoint.send(sent);
        std::uint16_t from = 0;
        const auto got = device.receive(2000, &from);
        if (!got) {
            return "(nothing arrived)";
        }
        device.sendTo(reply, "127.0.0.1", from);
        return *got;
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
