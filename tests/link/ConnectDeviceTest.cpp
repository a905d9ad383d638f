#include "core/Errors.h"
#include "link/LinkFixture.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace kelvra::test {
namespace {

// A handshake reply ("" for none) and whether it counts as accepted.
class HandshakeReplyTest : public LinkTest,
                           public ::testing::WithParamInterface<std::tuple<std::string, bool>> {};

TEST_P(HandshakeReplyTest, AcceptsOnlyACapitalOKAndKeepsTheReplyAsItCame) {
    const auto& [reply, accepted] = GetParam();
    endpoint.queue(reply.empty() ? Reply::silence() : Reply::answer(reply));
    EXPECT_EQ(dm.ConnectDevice("192.168.1.200", "10001"), accepted);
    EXPECT_EQ(dm.DeviceConnected(), accepted);
    EXPECT_EQ(dm.LastResponse(), reply);
    EXPECT_EQ(endpoint.sentTexts(), Texts{"COK"});
    EXPECT_EQ(logged(), Texts{accepted ? kConnected : kNotConnected});
}

INSTANTIATE_TEST_SUITE_P(Replies, HandshakeReplyTest,
                         ::testing::Values(std::tuple{"OK", true}, std::tuple{"xxOKyy\r\n", true},
                                           std::tuple{"ok", false}, std::tuple{"O K", false},
                                           std::tuple{"", false}));

TEST_F(LinkTest, SuccessLineIsWrittenOnlyWhenTheFlagRises) {
    // ok, ok, silent, ok: the second success is silent, the one after a failure is not.
    for (const Reply& r :
         {Reply::answer("OK"), Reply::answer("OK"), Reply::silence(), Reply::answer("OK")}) {
        endpoint.queue(r);
        dm.ConnectDevice("192.168.1.200", "10001");
    }
    EXPECT_EQ(logged(), (Texts{kConnected, kNotConnected, kConnected}));
}

TEST_F(LinkTest, ConnectUsesTheTextsAsTypedInItsLine) {
    endpoint.queue(Reply::answer("OK"));
    ASSERT_TRUE(dm.ConnectDevice("localhost", " 10001"));
    EXPECT_EQ(endpoint.sent().at(0).port, 10001);
    EXPECT_EQ(endpoint.sent().at(0).host, "localhost");
    EXPECT_EQ(logged(), Texts{" IP: localhost Port:  10001 cihaza bağlanıldı."});
}

TEST_F(LinkTest, ConnectPausesThenWaitsForTheReply) {
    endpoint.queue(Reply::answer("OK", 40));
    dm.ConnectDevice("192.168.1.200", "10001");
    EXPECT_EQ(endpoint.sent().at(0).atMs, 900);
    EXPECT_EQ(clock.elapsedMs(), 940);

    clock.resetElapsed();
    dm.ConnectDevice("192.168.1.200", "10001"); // silent
    EXPECT_EQ(clock.elapsedMs(), 2900);
}

TEST_F(LinkTest, ConnectReopensTheEndpointAndDropsALateReply) {
    endpoint.queue(Reply::answer("OK", 2500)); // misses its own wait
    dm.ConnectDevice("192.168.1.200", "10001");
    endpoint.queue(Reply::silence());
    EXPECT_FALSE(dm.ConnectDevice("192.168.1.200", "10001"));
    EXPECT_EQ(endpoint.opens(), 2);
    EXPECT_EQ(endpoint.closes(), 1);
    EXPECT_EQ(dm.LastResponse(), "");
}

// A port text and the error it ends the connect with.
class BadPortTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(BadPortTest, EndsBeforeAnythingIsSentAndKeepsTheState) {
    connectFirst();
    EXPECT_EQ(ErrorText([&] { dm.ConnectDevice("10.1.2.3", std::get<0>(GetParam())); }),
              std::get<1>(GetParam()));
    EXPECT_EQ(endpoint.sent().size(), sentMark);
    EXPECT_TRUE(console.log.empty());
    EXPECT_FALSE(endpoint.isOpen());
    EXPECT_EQ(endpoint.host(), "10.1.2.3");
    EXPECT_EQ(endpoint.port(), 10001);
    EXPECT_TRUE(dm.DeviceConnected());
    EXPECT_EQ(dm.LastResponse(), "OK");
}

INSTANTIATE_TEST_SUITE_P(
    Ports, BadPortTest,
    ::testing::Values(TextPair{"10001 ", ConvertMessage("10001 ")},
                      TextPair{"port", ConvertMessage("port")},
                      std::tuple{"65536", "Port '65536' is out of range 0 to 65535"},
                      std::tuple{"-1", "Port '-1' is out of range 0 to 65535"}));

TEST_F(LinkTest, PortBoundariesAreAccepted) {
    for (const char* port : {"0", "65535", "$2711"}) {
        endpoint.queue(Reply::answer("OK"));
        EXPECT_TRUE(dm.ConnectDevice("192.168.1.200", port)) << port;
    }
    EXPECT_EQ(endpoint.sent().back().port, 10001);
}

TEST_F(LinkTest, AnEmptyAddressIsRefusedBeforeSending) {
    EXPECT_EQ(ErrorText<ESocketError>([&] { dm.ConnectDevice("", "10001"); }), "Host not set.");
    EXPECT_TRUE(endpoint.sent().empty());
    EXPECT_TRUE(console.log.empty());
    EXPECT_FALSE(dm.DeviceConnected());
}

TEST_F(LinkTest, ASocketErrorEndsTheConnectWithoutALine) {
    endpoint.queue(Reply::receiveFails("Socket Error # 111\r\nConnection refused"));
    EXPECT_THROW(dm.ConnectDevice("192.168.1.200", "10001"), ESocketError);
    EXPECT_TRUE(console.log.empty());

    endpoint.failNextSend("Host not found.");
    EXPECT_THROW(dm.ConnectDevice("nosuchhost", "10001"), ESocketError);
    EXPECT_TRUE(endpoint.isOpen());
    EXPECT_EQ(endpoint.host(), "nosuchhost");
}

} // namespace
} // namespace kelvra::test
