#include "core/Errors.h"
#include "link/LinkFixture.h"

#include <ostream>
#include <tuple>

namespace kelvra::test {
namespace {

TEST_F(LinkTest, APromptDeviceCostsOneHandshakeAndOneLine) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceValue("CDYS", "8", " Gün ");
    EXPECT_EQ(sentSinceConnect(), (Texts{"COK", "CDYS8F"}));
    EXPECT_EQ(logged(), Texts{"  Gün  CDYS8F = OK"});
    EXPECT_EQ(dm.SetTally(), 1);
    EXPECT_EQ(dm.LastResponse(), "OK");
    EXPECT_EQ(clock.elapsedMs(), 900);
}

// A handshake mended by reconnects: the replies to each "COK" ("!": the receive
// fails), then the set command's "OK".
struct Mending : NamedRow {
    bool connectedBefore;
    Texts replies;
    Texts log;
};

const std::string kSet = "  Saat  CHRS9F = OK";
const Reply kReceiveFails = Reply::receiveFails("Socket Error # 111\r\nConnection refused");

class MendingTest : public LinkTest, public ::testing::WithParamInterface<Mending> {};

TEST_P(MendingTest, ReconnectsUntilTheHandshakeHolds) {
    connectFirst(GetParam().connectedBefore);
    for (const std::string& r : GetParam().replies) {
        endpoint.queue(r == "!" ? kReceiveFails : Reply::answer(r));
    }
    endpoint.queue(Reply::answer("OK"));
    dm.SetDeviceValue("CHRS", "9", " Saat ");
    Texts sent(GetParam().replies.size(), "COK");
    sent.push_back("CHRS9F");
    EXPECT_EQ(sentSinceConnect(), sent);
    EXPECT_EQ(logged(), GetParam().log);
    EXPECT_EQ(dm.SetTally(), 1);
}

// Only a reconnect that raises the flag writes its success line; a failed receive
// costs a reconnect, then the try is judged as usual.
INSTANTIATE_TEST_SUITE_P(
    Scripts, MendingTest,
    ::testing::Values(
        Mending{{"RefusedWhileNotConnected"}, false, {"NO", "OK"}, {kConnected, kSet}},
        Mending{{"RefusedWhileConnected"}, true, {"NO", "OK"}, {kSet}},
        Mending{{"ReceiveFails"}, true, {"!", "OK"}, {kSet}},
        Mending{{"ReceiveFailsThenRefused"},
                true,
                {"!", "NO", "OK"},
                {kNotConnected, kConnected, kSet}}),
    RowName{});

TEST_F(LinkTest, ASilentDeviceCostsTenTriesAndIsSentTheCommandAnyway) {
    connectFirst();
    endpoint.setResponder([](const std::string&) { return Reply::silence(); });
    dm.SetDeviceValue("CMES", "5", " Dakika ");

    Texts expectedSent;
    Texts expectedLog(10, kNotConnected);
    for (int i = 0; i < 10; ++i) {
        expectedSent.insert(expectedSent.end(), {"COK", "COK"});
    }
    expectedSent.push_back("CMES5F");
    expectedLog.push_back("  Dakika  CMES5F = ");
    EXPECT_EQ(sentSinceConnect(), expectedSent);
    EXPECT_EQ(logged(), expectedLog);
    EXPECT_EQ(dm.SetTally(), -10);
    EXPECT_FALSE(dm.DeviceConnected());
    // Ten tries of 300 + 2000 + 900 + 2000 ms, then 300 + 2000 + 300 ms.
    EXPECT_EQ(clock.elapsedMs(), 54600);
}

TEST_F(LinkTest, AThrowingReconnectEndsTheTransactionWithTheTallyUnchanged) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceValue("CDYS", "8", " Gün ");
    console.port = "abc";
    endpoint.queue(Reply::answer("NO"));
    EXPECT_THROW(dm.SetDeviceValue("CMHS", "12", " Ay "), EConvertError);
    EXPECT_EQ(dm.SetTally(), 1);
    EXPECT_EQ(sentSinceConnect(), (Texts{"COK", "CDYS8F", "COK"}));
}

TEST_F(LinkTest, AFailingSetReceiveIsNotCaught) {
    connectFirst();
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(kReceiveFails);
    EXPECT_THROW(dm.SetDeviceValue("CDYS", "8", " Gün "), ESocketError);
    EXPECT_EQ(dm.SetTally(), 0);
    EXPECT_TRUE(console.log.empty());
}

// A value and the set command that carries it.
class SetValueTextTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(SetValueTextTest, SendsTheValueUnchanged) {
    const auto& [value, datagram] = GetParam();
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceValue("CI1S", value, "Yeni IP Adresi");
    EXPECT_EQ(endpoint.sentTexts().back(), datagram);
    EXPECT_EQ(logged().back(), " Yeni IP Adresi " + datagram + " = OK");
}

INSTANTIATE_TEST_SUITE_P(Values, SetValueTextTest,
                         ::testing::Values(std::tuple{"", "CI1S"}, std::tuple{" 8", "CI1S 8F"},
                                           std::tuple{"192", "CI1S192F"}));

// The replies to a batch after the connect's "OK" ("+" OK, "-" refused), and the box.
class ShowSetResultTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(ShowSetResultTest, JudgesByTheLastReplyAndTheTally) {
    const auto& [batch, text] = GetParam();
    connectFirst();
    FakeDevice device;
    device.replies["CXS0F"] = "ERR";
    useDevice(device);
    for (const char c : batch) {
        dm.SetDeviceValue("CXS", c == '+' ? "1" : "0", "x");
    }
    // The tally is reset only after the operator has closed the box.
    const int tallyBefore = dm.SetTally();
    int tallyWhileShown = tallyBefore + 1;
    console.onInformation = [&](const std::string&) { tallyWhileShown = dm.SetTally(); };
    dm.ShowSetResult("Tarih: 09.12.2026Saat: 09:00:00", " ");
    EXPECT_EQ(console.information, Texts{text});
    EXPECT_EQ(tallyWhileShown, tallyBefore);
    EXPECT_EQ(dm.SetTally(), 0);
}

// Tallies 1, 0 ("OK" from the connect), -4 and 10 with the last reply refused.
INSTANTIATE_TEST_SUITE_P(
    Batches, ShowSetResultTest,
    ::testing::Values(
        TextPair{"-+++++++++++", "Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi."},
        TextPair{"", "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"},
        TextPair{"-++++++", "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"},
        TextPair{"++++++++++++++++++++-", "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!"}));

} // namespace
} // namespace kelvra::test
