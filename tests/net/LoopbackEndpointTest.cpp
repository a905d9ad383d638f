// The real endpoint against a plain socket on loopback, the same on every
// system: the Winsock branches are tested here when the suite runs under wine.

#include "core/Cp1254.h"
#include "net/UdpEndpoint.h"
#include "support/net/LoopbackPeer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::net {
namespace {

using test::LoopbackPeer;

// Commands and replies as the operator types and reads them; Windows-1254 bytes
// on the wire.
class WireText : public ::testing::TestWithParam<const char*> {};

TEST_P(WireText, TravelsAsWindows1254BothWays) {
    LoopbackPeer peer;
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(peer.port());
    const std::string text = GetParam();
    endpoint.send(text);
    EXPECT_EQ(peer.receive(), EncodeCp1254(text));
    peer.answer(EncodeCp1254(text));
    EXPECT_EQ(endpoint.receive(2000), text);
}

INSTANTIATE_TEST_SUITE_P(Texts, WireText,
                         ::testing::Values("CAS", "OK\r\n", "Ağ Geçidi ışığı Şİ", "€ ‰ Ğ"));

TEST(LoopbackEndpoint, ReadsSilenceAsAnEmptyReply) {
    LoopbackPeer peer;
    UdpEndpoint endpoint;
    endpoint.setHost("localhost");
    endpoint.setPort(peer.port());
    endpoint.send("COK");
    EXPECT_TRUE(peer.receive().has_value());
    EXPECT_EQ(endpoint.receive(50), "");
}

// Replies that came too late for the exchanges before, then the one for this
// command: the newest waiting is the answer.
class WaitingReplies : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(WaitingReplies, TheNewestIsTheAnswer) {
    LoopbackPeer peer;
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(peer.port());
    endpoint.send("CGR");
    ASSERT_TRUE(peer.receive().has_value());
    for (const std::string& reply : GetParam()) {
        peer.answer(reply);
    }
    EXPECT_EQ(endpoint.receive(2000), GetParam().back());
}

INSTANTIATE_TEST_SUITE_P(Replies, WaitingReplies,
                         ::testing::Values(std::vector<std::string>{"KLV-2000", "192.168.1.1"},
                                           std::vector<std::string>{"KLV-2000", "10001",
                                                                    "192.168.1.1"}));

TEST(LoopbackEndpoint, ReadsARefusedDestinationAsSilence) {
    std::uint16_t closedPort = 0;
    {
        const LoopbackPeer gone;
        closedPort = gone.port();
    }
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(closedPort);
    endpoint.send("COK");
    EXPECT_EQ(endpoint.receive(200), "");
    EXPECT_NO_THROW(endpoint.send("COK")) << "the late refusal must not fail the next command";
}

} // namespace
} // namespace kelvra::net
