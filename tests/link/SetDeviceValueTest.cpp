#include "LinkFixture.h"
#include "core/Errors.h"
#include "link/ReplyText.h"

namespace kelvra::testing {
namespace {

using Reply = ScriptedReply;

const std::string kFailedConnect = " IP: 192.168.1.200 Port: 10001 cihaza bağlanılamadı.";
const std::string kConnected = " IP: 192.168.1.200 Port: 10001 cihaza bağlanıldı.";

TEST_F(LinkTest, APromptDeviceCostsOneHandshakeAndOneLine) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceValue("CDYS", "8", " Gün ");
    EXPECT_EQ(sentSinceConnect(), (std::vector<std::string>{"COK", "CDYS8F"}));
    EXPECT_EQ(logged(), std::vector<std::string>{"  Gün  CDYS8F = OK"});
    EXPECT_EQ(dm.SetTally(), 1);
    EXPECT_EQ(dm.LastResponse(), "OK");
    EXPECT_EQ(clock.elapsedMs(), 900);
}

TEST_F(LinkTest, ARefusedHandshakeIsMendedByTheReconnect) {
    // Not connected before: the reconnect writes its success line.
    failConnectFirst();
    endpoint.queue(Reply::answer("NO"));
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::answer("OK"));
    dm.SetDeviceValue("CHRS", "9", " Saat ");
    EXPECT_EQ(sentSinceConnect(), (std::vector<std::string>{"COK", "COK", "CHRS9F"}));
    EXPECT_EQ(logged(), (std::vector<std::string>{kConnected, "  Saat  CHRS9F = OK"}));
    EXPECT_EQ(dm.SetTally(), 1);
}

TEST_F(LinkTest, AReconnectWhileConnectedWritesNoLine) {
    connectFirst();
    endpoint.queue(Reply::answer("NO"));
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::answer("OK"));
    dm.SetDeviceValue("CHRS", "9", " Saat ");
    EXPECT_EQ(logged(), std::vector<std::string>{"  Saat  CHRS9F = OK"});
    EXPECT_EQ(endpoint.opens(), 2);
}

TEST_F(LinkTest, ASilentDeviceCostsTenTriesAndIsSentTheCommandAnyway) {
    connectFirst();
    endpoint.setResponder([](const std::string&) { return Reply::silence(); });
    dm.SetDeviceValue("CMES", "5", " Dakika ");

    std::vector<std::string> expectedSent;
    std::vector<std::string> expectedLog;
    for (int i = 0; i < 10; ++i) {
        expectedSent.insert(expectedSent.end(), {"COK", "COK"});
        expectedLog.push_back(kFailedConnect);
    }
    expectedSent.push_back("CMES5F");
    expectedLog.push_back("  Dakika  CMES5F = ");
    EXPECT_EQ(sentSinceConnect(), expectedSent);
    EXPECT_EQ(logged(), expectedLog);
    EXPECT_EQ(dm.SetTally(), -10);
    EXPECT_FALSE(dm.DeviceConnected());
    // Ten tries of 300 + 2000 + 900 + 2000 ms, then 300 + 2000 + 300 ms.
    EXPECT_EQ(clock.elapsedMs(), 10 * 5200 + 2600);
}

TEST_F(LinkTest, AFailingHandshakeReceiveIsCaughtAndTheTryCounts) {
    connectFirst();
    endpoint.queue(Reply::receiveFails("Socket Error # 111\r\nConnection refused"));
    endpoint.queue(Reply::answer("OK")); // the reconnect's handshake
    endpoint.queue(Reply::answer("OK"));
    dm.SetDeviceValue("CSDS", "7", " Saniye ");
    EXPECT_EQ(sentSinceConnect(), (std::vector<std::string>{"COK", "COK", "CSDS7F"}));
    EXPECT_EQ(dm.SetTally(), 1);
}

TEST_F(LinkTest, AFailedReceiveAndARefusedReconnectReconnectTwiceInOneTry) {
    connectFirst();
    endpoint.queue(Reply::receiveFails("Socket Error # 111\r\nConnection refused"));
    endpoint.queue(Reply::answer("NO")); // first reconnect
    endpoint.queue(Reply::answer("OK")); // second reconnect, same try
    endpoint.queue(Reply::answer("OK"));
    dm.SetDeviceValue("CSDS", "7", " Saniye ");
    EXPECT_EQ(sentSinceConnect(), (std::vector<std::string>{"COK", "COK", "COK", "CSDS7F"}));
    EXPECT_EQ(logged(),
              (std::vector<std::string>{kFailedConnect, kConnected, "  Saniye  CSDS7F = OK"}));
}

TEST_F(LinkTest, AThrowingReconnectEndsTheTransactionWithTheTallyUnchanged) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceValue("CDYS", "8", " Gün ");
    console.port = "abc";
    endpoint.queue(Reply::answer("NO"));
    EXPECT_THROW(dm.SetDeviceValue("CMHS", "12", " Ay "), EConvertError);
    EXPECT_EQ(dm.SetTally(), 1);
    EXPECT_EQ(sentSinceConnect(), (std::vector<std::string>{"COK", "CDYS8F", "COK"}));
}

TEST_F(LinkTest, AFailingSetReceiveIsNotCaught) {
    connectFirst();
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::receiveFails("Socket Error # 111\r\nConnection refused"));
    EXPECT_THROW(dm.SetDeviceValue("CDYS", "8", " Gün "), ESocketError);
    EXPECT_EQ(dm.SetTally(), 0);
    EXPECT_TRUE(console.log.empty());
}

struct ValueCase {
    const char* value;
    const char* datagram;
};

class SetValueTextTest : public LinkTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(SetValueTextTest, SendsTheValueUnchanged) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceValue("CI1S", GetParam().value, "Yeni IP Adresi");
    EXPECT_EQ(endpoint.sentTexts().back(), GetParam().datagram);
    EXPECT_EQ(logged().back(), std::string(" Yeni IP Adresi ") + GetParam().datagram + " = OK");
}

INSTANTIATE_TEST_SUITE_P(Values, SetValueTextTest,
                         ::testing::Values(ValueCase{"", "CI1S"}, ValueCase{" 8", "CI1S 8F"},
                                           ValueCase{"192", "CI1S192F"}, ValueCase{"01", "CI1S01F"},
                                           ValueCase{"x.y", "CI1Sx.yF"}));

TEST_F(LinkTest, TheTallyScoresPlusOneAndMinusTen) {
    connectFirst();
    FakeDevice device;
    device.replies["CTS2F"] = "ERR";
    useDevice(device);
    for (const char* v : {"1", "2", "3"}) {
        dm.SetDeviceValue("CTS", v, "x");
    }
    EXPECT_EQ(dm.SetTally(), 1 - 10 + 1);
    EXPECT_EQ(dm.LastResponse(), "OK");
}

struct ResultCase {
    const char* name;
    int accepted; // transactions answered with OK, from a tally of 0
    int refused;  // then these, refused
    bool lastOk;
    const char* text;
};

class ShowSetResultTest : public LinkTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ShowSetResultTest, JudgesByTheLastReplyAndTheTally) {
    connectFirst();
    FakeDevice device;
    device.replies["CXS0F"] = "ERR";
    useDevice(device);
    for (int i = 0; i < GetParam().refused; ++i) {
        dm.SetDeviceValue("CXS", "0", "x");
    }
    for (int i = 0; i < GetParam().accepted; ++i) {
        dm.SetDeviceValue("CXS", "1", "x");
    }
    if (!GetParam().lastOk) {
        dm.SetDeviceValue("CXS", "0", "x");
    }
    ASSERT_EQ(ContainsOK(dm.LastResponse()), GetParam().lastOk);

    int tallyWhileShown = 99;
    console.onInformation = [&](const std::string&) { tallyWhileShown = dm.SetTally(); };
    const int tallyBefore = dm.SetTally();
    dm.ShowSetResult("Tarih: 09.12.2026Saat: 09:00:00", " ");
    EXPECT_EQ(console.information, std::vector<std::string>{GetParam().text});
    EXPECT_EQ(tallyWhileShown, tallyBefore);
    EXPECT_EQ(dm.SetTally(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Batches, ShowSetResultTest,
    ::testing::Values(
        ResultCase{"SevenAccepted", 7, 0, true,
                   "Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi."},
        ResultCase{"OkWithZeroTally", 0, 0, true, "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"},
        ResultCase{"OkWithNegativeTally", 6, 1, true,
                   "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"},
        ResultCase{"OkAfterTenOutweighed", 10, 1, true,
                   "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"},
        ResultCase{"ElevenOutweighOne", 11, 1, true,
                   "Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi."},
        ResultCase{"LastRefused", 20, 0, false, "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvra::testing
