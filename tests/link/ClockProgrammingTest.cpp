#include "core/Errors.h"
#include "link/ClockSettings.h"
#include "link/DeviceMessages.h"
#include "link/LinkFixture.h"

#include <algorithm>
#include <ostream>

namespace kelvra::test {
namespace {

// A calendar reading and the seven datagrams made of it.
struct ClockCase : NamedRow {
    CalendarTime time;
    const char* datagrams;
};

class ClockSettingsTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockSettingsTest, HaveNoLeadingZerosButTheYears) {
    std::string datagrams;
    for (const ClockSetting& setting : ClockSettings(GetParam().time)) {
        datagrams += (datagrams.empty() ? "" : " ") + SetMessage(setting.command, setting.value);
    }
    EXPECT_EQ(datagrams, GetParam().datagrams);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ClockSettingsTest,
    ::testing::Values(ClockCase{{"Thursday"},
                                {2011, 12, 8, 4, 9, 5, 7},
                                "CDYS8F CMHS12F CYRS11F CWSS4F CHRS9F CMES5F CSDS7F"},
                      ClockCase{{"Sunday"},
                                {2026, 12, 13, 7, 12, 0, 0},
                                "CDYS13F CMHS12F CYRS26F CWSS7F CHRS12F CMES0F CSDS0F"},
                      ClockCase{{"Year2005HourZero"},
                                {2005, 1, 8, 6, 0, 5, 3},
                                "CDYS8F CMHS1F CYRS05F CWSS6F CHRS0F CMES5F CSDS3F"},
                      ClockCase{{"Year2010"},
                                {2010, 1, 1, 5, 0, 0, 0},
                                "CDYS1F CMHS1F CYRS10F CWSS5F CHRS0F CMES0F CSDS0F"}),
    RowName{});

const std::string kDone = "Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi.";

TEST_F(LinkTest, TheClockIsSevenSettingsAndOneBox) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetDeviceClock();

    EXPECT_EQ(sentSinceConnect(),
              (Texts{"COK", "CDYS9F", "COK", "CMHS12F", "COK", "CYRS26F", "COK", "CWSS3F", "COK",
                     "CHRS9F", "COK", "CMES0F", "COK", "CSDS0F"}));
    EXPECT_EQ(logged(), (Texts{"  Gün  CDYS9F = OK", "  Ay  CMHS12F = OK", "  Yıl  CYRS26F = OK",
                               "  Haftanın  CWSS3F = OK", "  Saat  CHRS9F = OK",
                               "  Dakika  CMES0F = OK", "  Saniye  CSDS0F = OK"}));
    EXPECT_EQ(console.information, Texts{kDone});
    EXPECT_EQ(dm.SetTally(), 0);
    EXPECT_EQ(clock.elapsedMs(), 7 * 900);
}

// Every value and the summary come from the reading taken at the press, though
// the batch runs on past midnight.
TEST_F(LinkTest, APressJustBeforeMidnightSendsOneInstant) {
    connectFirst();
    useDevice(FakeDevice{});
    clock.advance(1798761599500LL - clock.epochMs()); // Thursday 31.12.2026 23:59:59.5
    dm.SetDeviceClock();

    Texts setCommands;
    for (const std::string& datagram : sentSinceConnect()) {
        if (datagram != "COK") {
            setCommands.push_back(datagram);
        }
    }
    EXPECT_EQ(setCommands,
              (Texts{"CDYS31F", "CMHS12F", "CYRS26F", "CWSS4F", "CHRS23F", "CMES59F", "CSDS59F"}));
    EXPECT_EQ(console.information, Texts{"Tarih: 31.12.2026Saat: 23:59:59   olarak set edildi."});
}

// What an earlier address programming left ("" none, "+" all taken: 5, "-" one
// octet refused: -7), the command the device refuses ("" none, "*" silence), the
// tally while the box is open, and how the box's text ends after the summary.
struct Batch : NamedRow {
    const char* before;
    const char* refused;
    int tallyAtBox;
    std::string ending;
};

class ClockBatchTest : public LinkTest, public ::testing::WithParamInterface<Batch> {};

TEST_P(ClockBatchTest, IsJudgedOnItsOwnReplies) {
    const Batch& b = GetParam();
    connectFirst();
    FakeDevice device;
    if (std::string(b.before) == "-") {
        device.replies["CI2S168F"] = "ERR";
    }
    useDevice(device);
    if (*b.before) {
        dm.SetAddressValue("192.168.1.50", "CI", "Yeni IP Adresi", false);
    }
    if (std::string(b.refused) == "*") {
        endpoint.setResponder([](const std::string&) { return Reply::silence(); });
    } else if (*b.refused) {
        device.replies[b.refused] = "ERR";
        useDevice(device);
    }
    int tallyAtBox = 0;
    console.onInformation = [&](const std::string&) { tallyAtBox = dm.SetTally(); };
    dm.SetDeviceClock();
    EXPECT_EQ(tallyAtBox, b.tallyAtBox);
    ASSERT_EQ(console.information.size(), 1u);
    const std::string& text = console.information.front();
    EXPECT_EQ(text.substr(0, 7), "Tarih: ");
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), b.ending.size())), b.ending);
    EXPECT_EQ(dm.SetTally(), 0);
}

const std::string kDoneEnd = "   olarak set edildi.";
const std::string kFailedEnd = " Set Edilemedi!";

INSTANTIATE_TEST_SUITE_P(
    Batches, ClockBatchTest,
    ::testing::Values(Batch{{"AllTaken"}, "", "", 7, kDoneEnd},
                      Batch{{"FirstRefused"}, "", "CDYS9F", -4, kFailedEnd},
                      Batch{{"LastRefused"}, "", "CSDS0F", -4, kFailedEnd},
                      Batch{{"FirstRefusedAfterAnAddressOf5"}, "+", "CDYS9F", -4, kFailedEnd},
                      Batch{{"AllTakenAfterARefusedOctet"}, "-", "", 7, kDoneEnd},
                      Batch{{"SilentDevice"}, "", "*", -70, kFailedEnd}),
    RowName{});

TEST_F(LinkTest, ATransportErrorEndsTheClockWithoutABox) {
    connectFirst();
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::receiveFails("Socket Error # 10054\r\nConnection reset by peer"));
    EXPECT_THROW(dm.SetDeviceClock(), ESocketError);
    EXPECT_EQ(sentSinceConnect(), (Texts{"COK", "CDYS9F", "COK", "CMHS12F"}));
    EXPECT_TRUE(console.information.empty());
}

TEST_F(LinkTest, WritesBeforeAnyConnectSendNothing) {
    EXPECT_EQ(ErrorText<ESocketError>([&] { dm.SetDeviceClock(); }), "Host not set.");
    EXPECT_EQ(ErrorText<ESocketError>(
                  [&] { dm.SetAddressValue("10.0.0.9", "CS", "Modem IP Adresi", true); }),
              "Host not set.");
    EXPECT_EQ(ErrorText<ESocketError>([&] { dm.SendLimit("CTHS", "25"); }), "Host not set.");
    EXPECT_TRUE(endpoint.sent().empty());
    EXPECT_TRUE(console.information.empty());
}

} // namespace
} // namespace kelvra::test
