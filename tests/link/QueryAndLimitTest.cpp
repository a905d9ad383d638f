#include "LinkFixture.h"
#include "core/Errors.h"

namespace kelvra::testing {
namespace {

using Reply = ScriptedReply;

struct QueryCase {
    const char* name;
    const char* reply;
    const char* returned;
};

class QueryReplyTest : public LinkTest, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(QueryReplyTest, LogsTheReplyAsReceivedAndReturnsItWithoutCrLf) {
    connectFirst();
    endpoint.queue(Reply::answer(GetParam().reply));
    EXPECT_EQ(dm.QueryDevice("CPR"), GetParam().returned);
    EXPECT_EQ(logged(), std::vector<std::string>{std::string(" CPR>>>") + GetParam().reply});
}

INSTANTIATE_TEST_SUITE_P(Replies, QueryReplyTest,
                         ::testing::Values(QueryCase{"Plain", "10001", "10001"},
                                           QueryCase{"CrLf", "abc\r\n", "abc"},
                                           QueryCase{"LoneLf", "abc\n", "abc\n"},
                                           QueryCase{"LoneCr", "a\rb", "a\rb"},
                                           QueryCase{"CrCrLf", "a\r\r\n", "a\r"},
                                           QueryCase{"InnerPairs", "a\r\nb\r\nc", "abc"},
                                           QueryCase{"Turkish", "Şişli\r\n", "Şişli"}),
                         [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(LinkTest, QueryLeavesTheLinkStateAlone) {
    connectFirst();
    endpoint.queue(Reply::answer("NO"));
    dm.QueryDevice("CGR");
    EXPECT_EQ(dm.LastResponse(), "OK");
    EXPECT_TRUE(dm.DeviceConnected());
    EXPECT_EQ(dm.SetTally(), 0);
}

TEST_F(LinkTest, ALateReplyNeverAnswersTheNextCommand) {
    connectFirst();
    endpoint.queue(Reply::answer("10001", 2500));
    endpoint.queue(Reply::answer("192.168.1.1"));
    EXPECT_EQ(dm.QueryDevice("CPR"), "");
    EXPECT_EQ(dm.QueryDevice("CGR"), "192.168.1.1");
    EXPECT_EQ(endpoint.discardedReplies(), 1);
}

TEST_F(LinkTest, AFailedReceiveEndsTheQueryWithoutALine) {
    connectFirst();
    endpoint.queue(Reply::receiveFails("Socket Error # 104\r\nConnection reset by peer"));
    EXPECT_THROW(dm.QueryDevice("CAS"), ESocketError);
    EXPECT_TRUE(console.log.empty());
}

TEST_F(LinkTest, CommandsBeforeAnyConnectAreRefused) {
    EXPECT_THROW(dm.QueryDevice("CAS"), ESocketError);
    EXPECT_THROW(dm.SendLimit("CTHS", "25"), ESocketError);
    EXPECT_EQ(sentCount(), 0u);
    EXPECT_TRUE(console.log.empty());
}

struct LimitCase {
    const char* value;
    const char* datagram;
};

class LimitMessageTest : public LinkTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitMessageTest, SendsTheValueAsTypedOrTheMagnitudeOfANegative) {
    connectFirst();
    endpoint.queue(Reply::answer("OK"));
    dm.SendLimit("CTHS", GetParam().value);
    ASSERT_EQ(endpoint.sentTexts().back(), GetParam().datagram);
    EXPECT_EQ(logged(), std::vector<std::string>{std::string(" ") + GetParam().datagram + " = OK"});
}

INSTANTIATE_TEST_SUITE_P(Values, LimitMessageTest,
                         ::testing::Values(LimitCase{"25", "CTHS25F"}, LimitCase{"-5", "CTHS5FN"},
                                           LimitCase{"-05", "CTHS5FN"},
                                           LimitCase{"007", "CTHS007F"}, LimitCase{"+5", "CTHS+5F"},
                                           LimitCase{"-0", "CTHS-0F"}, LimitCase{"  7", "CTHS  7F"},
                                           LimitCase{"$1F", "CTHS$1FF"},
                                           LimitCase{"-$10", "CTHS16FN"},
                                           LimitCase{"$FFFFFFFF", "CTHS1FN"},
                                           LimitCase{"-2147483648", "CTHS2147483648FN"}));

class BadLimitTest : public LinkTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadLimitTest, SendsNothing) {
    connectFirst();
    const std::size_t before = sentCount();
    try {
        dm.SendLimit("CTHS", GetParam());
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.what(), "'" + std::string(GetParam()) + "' is not a valid integer value");
    }
    EXPECT_EQ(sentCount(), before);
    EXPECT_TRUE(console.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, BadLimitTest,
                         ::testing::Values("2.5", "", "7 ", "-", "2147483648", "1e3"));

TEST_F(LinkTest, ASilentLimitLogsNothingAfterTheEqualsSign) {
    connectFirst();
    dm.SendLimit("CFLS", "-10");
    EXPECT_EQ(logged(), std::vector<std::string>{" CFLS10FN = "});
    EXPECT_EQ(clock.elapsedMs(), 2600);
    EXPECT_EQ(dm.LastResponse(), "OK");
    EXPECT_TRUE(dm.DeviceConnected());
}

} // namespace
} // namespace kelvra::testing
