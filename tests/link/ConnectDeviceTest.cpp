#include "LinkFixture.h"
#include "core/Errors.h"

namespace kelvra::testing {
namespace {

using Reply = ScriptedReply;

struct HandshakeCase {
    const char* name;
    Reply reply;
    bool accepted;
};

class HandshakeReplyTest : public LinkTest, public ::testing::WithParamInterface<HandshakeCase> {};

TEST_P(HandshakeReplyTest, AcceptsOnlyACapitalOK) {
    endpoint.queue(GetParam().reply);
    EXPECT_EQ(dm.ConnectDevice("192.168.1.200", "10001"), GetParam().accepted);
    EXPECT_EQ(dm.DeviceConnected(), GetParam().accepted);
    EXPECT_EQ(endpoint.sentTexts(), std::vector<std::string>{"COK"});
    const std::string expected = GetParam().accepted
                                     ? " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı."
                                     : " IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı.";
    EXPECT_EQ(logged(), std::vector<std::string>{expected});
}

INSTANTIATE_TEST_SUITE_P(Replies, HandshakeReplyTest,
                         ::testing::Values(HandshakeCase{"Ok", Reply::answer("OK"), true},
                                           HandshakeCase{"LowerCase", Reply::answer("ok"), false},
                                           HandshakeCase{"Embedded", Reply::answer("xxOKyy\r\n"),
                                                         true},
                                           HandshakeCase{"Split", Reply::answer("O K"), false},
                                           HandshakeCase{"MixedCase", Reply::answer("Ok"), false},
                                           HandshakeCase{"Silent", Reply::silence(), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, SuccessLineIsWrittenOnlyWhenTheFlagRises) {
    // ok, ok, silent, ok: the second success is silent, the one after a failure is not.
    for (const Reply& r :
         {Reply::answer("OK"), Reply::answer("OK"), Reply::silence(), Reply::answer("OK")}) {
        endpoint.queue(r);
        dm.ConnectDevice("192.168.1.200", "10001");
    }
    EXPECT_EQ(logged(), (std::vector<std::string>{
                            " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.",
                            " IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı.",
                            " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.",
                        }));
}

TEST_F(LinkTest, ConnectKeepsTheHandshakeReplyWithItsLineBreak) {
    endpoint.queue(Reply::answer("OK\r\n"));
    dm.ConnectDevice("192.168.1.200", "10001");
    EXPECT_EQ(dm.LastResponse(), "OK\r\n");
}

TEST_F(LinkTest, ConnectUsesTheTextsAsTypedInItsLine) {
    endpoint.queue(Reply::answer("OK"));
    ASSERT_TRUE(dm.ConnectDevice("localhost", " 10001"));
    EXPECT_EQ(endpoint.sent().at(0).port, 10001);
    EXPECT_EQ(endpoint.sent().at(0).host, "localhost");
    EXPECT_EQ(logged(), std::vector<std::string>{" IP: localhost Port:  10001 cihaza bağlanıldı."});
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

struct BadPortCase {
    const char* name;
    const char* portText;
    const char* message;
};

class BadPortTest : public LinkTest, public ::testing::WithParamInterface<BadPortCase> {};

TEST_P(BadPortTest, EndsBeforeAnythingIsSentAndKeepsTheState) {
    connectFirst();
    const std::size_t before = sentCount();
    try {
        dm.ConnectDevice("10.1.2.3", GetParam().portText);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_EQ(sentCount(), before);
    EXPECT_TRUE(console.log.empty());
    EXPECT_FALSE(endpoint.isOpen());
    EXPECT_EQ(endpoint.host(), "10.1.2.3");
    EXPECT_EQ(endpoint.port(), 10001);
    EXPECT_TRUE(dm.DeviceConnected());
    EXPECT_EQ(dm.LastResponse(), "OK");
}

INSTANTIATE_TEST_SUITE_P(
    Ports, BadPortTest,
    ::testing::Values(
        BadPortCase{"TrailingBlank", "10001 ", "'10001 ' is not a valid integer value"},
        BadPortCase{"Empty", "", "'' is not a valid integer value"},
        BadPortCase{"Letters", "port", "'port' is not a valid integer value"},
        BadPortCase{"TooLarge", "65536", "Port '65536' is out of range 0 to 65535"},
        BadPortCase{"Negative", "-1", "Port '-1' is out of range 0 to 65535"},
        BadPortCase{"HexTooLarge", "$FFFFF", "Port '$FFFFF' is out of range 0 to 65535"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, PortBoundariesAreAccepted) {
    for (const char* port : {"0", "65535", "$2711"}) {
        endpoint.queue(Reply::answer("OK"));
        EXPECT_TRUE(dm.ConnectDevice("192.168.1.200", port)) << port;
    }
    EXPECT_EQ(endpoint.sent().back().port, 10001);
}

TEST_F(LinkTest, AnEmptyAddressIsRefusedBeforeSending) {
    try {
        dm.ConnectDevice("", "10001");
        FAIL() << "no error";
    } catch (const ESocketError& e) {
        EXPECT_STREQ(e.what(), "Host not set.");
    }
    EXPECT_EQ(sentCount(), 0u);
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
} // namespace kelvra::testing
