#include "core/Errors.h"
#include "link/LinkFixture.h"

#include <tuple>

namespace kelvra::test {
namespace {

// A reply and what the query returns of it.
class QueryReplyTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(QueryReplyTest, LogsTheReplyAsReceivedAndReturnsItWithoutCrLf) {
    const auto& [reply, returned] = GetParam();
    connectFirst();
    endpoint.queue(Reply::answer(reply));
    EXPECT_EQ(dm.QueryDevice("CPR"), returned);
    EXPECT_EQ(logged(), Texts{" CPR>>>" + reply});
    // A query leaves the link state alone.
    EXPECT_EQ(dm.LastResponse(), "OK");
    EXPECT_TRUE(dm.DeviceConnected());
}

INSTANTIATE_TEST_SUITE_P(Replies, QueryReplyTest,
                         ::testing::Values(TextPair{"10001", "10001"}, TextPair{"abc\r\n", "abc"},
                                           TextPair{"abc\n", "abc\n"}, TextPair{"a\rb", "a\rb"},
                                           TextPair{"a\r\r\n", "a\r"},
                                           TextPair{"a\r\nb\r\nc", "abc"}));

TEST_F(LinkTest, QueryPacesAroundTheReply) {
    connectFirst();
    endpoint.queue(Reply::answer("x", 25)); // here before the wait begins
    dm.QueryDevice("CAS");
    EXPECT_EQ(clock.elapsedMs(), 600);

    clock.resetElapsed();
    endpoint.queue(Reply::answer("x", 400));
    dm.QueryDevice("CAS");
    EXPECT_EQ(clock.elapsedMs(), 700);

    clock.resetElapsed();
    EXPECT_EQ(dm.QueryDevice("CAS"), "");
    EXPECT_EQ(clock.elapsedMs(), 2600);
    EXPECT_EQ(logged().back(), " CAS>>>");
}

TEST_F(LinkTest, ALateReplyNeverAnswersTheNextCommand) {
    connectFirst();
    endpoint.queue(Reply::answer("10001", 2500));
    endpoint.queue(Reply::answer("192.168.1.1"));
    EXPECT_EQ(dm.QueryDevice("CPR"), "");
    EXPECT_EQ(dm.QueryDevice("CGR"), "192.168.1.1");
}

TEST_F(LinkTest, AFailedReceiveEndsTheQueryWithoutALine) {
    connectFirst();
    endpoint.queue(Reply::receiveFails("Socket Error # 104\r\nConnection reset by peer"));
    EXPECT_THROW(dm.QueryDevice("CAS"), ESocketError);
    EXPECT_TRUE(console.log.empty());
}

// A limit value and the datagram that carries it.
class LimitMessageTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(LimitMessageTest, SendsTheValueAsTypedOrTheMagnitudeOfANegative) {
    const auto& [value, datagram] = GetParam();
    connectFirst();
    endpoint.queue(Reply::answer("OK"));
    dm.SendLimit("CTHS", value);
    EXPECT_EQ(sentSinceConnect(), Texts{datagram});
    EXPECT_EQ(logged(), Texts{" " + datagram + " = OK"});
}

INSTANTIATE_TEST_SUITE_P(Values, LimitMessageTest,
                         ::testing::Values(TextPair{"25", "CTHS25F"}, TextPair{"-05", "CTHS5FN"},
                                           TextPair{"-0", "CTHS-0F"}, TextPair{"  7", "CTHS  7F"},
                                           TextPair{"$FFFFFFFF", "CTHS1FN"},
                                           TextPair{"-2147483648", "CTHS2147483648FN"}));

class BadLimitTest : public LinkTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(BadLimitTest, SendsNothing) {
    connectFirst();
    EXPECT_EQ(ErrorText<EConvertError>([&] { dm.SendLimit("CTHS", GetParam()); }),
              ConvertMessage(GetParam()));
    EXPECT_EQ(endpoint.sent().size(), sentMark);
    EXPECT_TRUE(console.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, BadLimitTest,
                         ::testing::Values("2.5", "", "2147483648", "abc", "7 "));

TEST_F(LinkTest, ASilentLimitLogsNothingAfterTheEqualsSign) {
    connectFirst();
    dm.SendLimit("CFLS", "-10");
    EXPECT_EQ(logged(), Texts{" CFLS10FN = "});
    EXPECT_EQ(clock.elapsedMs(), 2600);
    EXPECT_EQ(dm.LastResponse(), "OK");
    EXPECT_TRUE(dm.DeviceConnected());
}

} // namespace
} // namespace kelvra::test
