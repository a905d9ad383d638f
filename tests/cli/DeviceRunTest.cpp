// One device's run against a scripted device in virtual time: what is sent, and
// how the outcome is judged.

#include "cli/DeviceRun.h"

#include "cli/OutputFormat.h"
#include "cli/ScriptConsole.h"
#include "cli/SettingsFile.h"
#include "cli/SiteRun.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "link/ReadoutField.h"
#include "support/FakeDevice.h"
#include "support/FakeHostNetwork.h"
#include "support/ManualClock.h"
#include "support/NamedRow.h"
#include "support/ScriptedEndpoint.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::cli {
namespace {

using kelvra::test::FakeDevice;
using Texts = std::vector<std::string>;

enum class Device {
    Answering,
    Silent,
    SilentAfterHandshake,
    RefusingSettings,
    RefusingOne, // the near high limit and the server's second octet
    ShortSettings,
    CrLfReplies,
    ResetOnNearLow,
    TookLimitsReplyLost, // cabinet 30 -10 taken, the high limit's reply lost
    SilentCabinetHigh,   // the cabinet high limit, the calibration and CSS unanswered
    SilentDnsLastOctet,
    SilentSettings,
    WholeNumberLimits, // the limits SettingsFile() holds when given no near_high
};

const std::string kReset = "Socket Error # 10054\r\nConnection reset by peer";

FakeDevice Make(Device kind) {
    FakeDevice device = FakeDevice::answeringReadout();
    if (kind == Device::Silent) {
        device.handshakeReply = "";
    } else if (kind == Device::RefusingSettings) {
        device.setReply = "ERR";
    } else if (kind == Device::SilentAfterHandshake) {
        device.replies.clear();
        device.setReply = "";
    } else if (kind == Device::RefusingOne) {
        device.replies["CNHS45F"] = device.replies["CS2S0F"] = "ERR";
    } else if (kind == Device::ShortSettings) {
        device.replies["CSS"] = kelvra::test::SettingsRecord(5);
    } else if (kind == Device::CrLfReplies) {
        device.setReply = "OK\r\n";
    } else if (kind == Device::ResetOnNearLow) {
        device.receiveErrors["CNLS15F"] = kReset;
    } else if (kind == Device::TookLimitsReplyLost) {
        device.replies["CFHS30F"] = "";
        device.replies["CSS"] = "12:30:05|09.12.2026|2|3|4|5|6|7|8|9|30|-10|12|13";
    } else if (kind == Device::SilentCabinetHigh) {
        device.replies["CFHS30F"] = device.replies["CFVS3FN"] = device.replies["CSS"] = "";
    } else if (kind == Device::SilentDnsLastOctet) {
        device.replies["CD4S2F"] = "";
    } else if (kind == Device::SilentSettings) {
        device.replies["CSS"] = "";
    } else if (kind == Device::WholeNumberLimits) {
        device.replies["CSS"] = "12:30:05|09.12.2026|2|3|35|5|80|20|1050|950|40|10|45|15";
    }
    return device;
}

struct DeviceRunRow : test::NamedRow {
    Texts arguments; // after --device
    Device device;
    Texts sent;
    bool succeeded;
    const char* reason;
    std::size_t values;
    long long elapsedMs;
    const char* line = "";     // the output line, when given
    std::string settings = {}; // the settings file of diff and restore
};

const Texts& kWholeReadout = test::kReadoutDatagrams;
// The readout's values, and its pauses with every reply at once or none at all.
constexpr std::size_t kAllValues = kReadoutFieldCount;
constexpr long long kSilentReadsMs =
    protocol::kConnectSettleMs + kReadCommandCount * test::kSilentReadMs;
// A settings record too short for the ambient low limit ends the readout.
const Texts kThroughSettings = test::ReadoutDatagramsThrough(ReadoutField::Time);

const Texts kApply{"apply",     "--address", "10.0.0.7", "--mask",  "255.0.0.0",
                   "--gateway", "10.0.0.1",  "--dns",    "10.0.0.2"};
// The DNS's last octet unanswered, so the DNS is not committed.
const Texts kApplySent{"COK",     "COK", "CI1S10F", "COK", "CI2S0F",   "COK", "CI3S0F",  "COK",
                       "CI4S7F",  "COK", "CII",     "COK", "CK1S255F", "COK", "CK2S0F",  "COK",
                       "CK3S0F",  "COK", "CK4S0F",  "COK", "CKI",      "COK", "CG1S10F", "COK",
                       "CG2S0F",  "COK", "CG3S0F",  "COK", "CG4S1F",   "COK", "CGI",     "COK",
                       "CD1S10F", "COK", "CD2S0F",  "COK", "CD3S0F",   "COK", "CD4S2F"};
// A settings file for the device: its network as the device reports it unless mask
// is given, its limits those of WholeNumberLimits unless nearHigh is given.
std::string SettingsFile(const std::string& nearHigh = "45",
                         const std::string& mask = "255.255.255.0") {
    return R"({"device":"192.168.1.200:10001","result":"ok","values":{"gateway":"192.168.1.1",)"
           R"("mask":")" +
           mask +
           R"(","dns":"192.168.1.2","ambient_high":35,"ambient_low":5,)"
           R"("humidity_high":80,"humidity_low":20,"pressure_high":1050,"pressure_low":950,)"
           R"("cabinet_high":40,"cabinet_low":10,"near_high":)" +
           nearHigh + R"(,"near_low":15,"server":"10.0.0.9"}})";
}
// Restore's limits of SettingsFile and its server, then network, then the read-back.
Texts RestoreSent(const std::string& nearHigh, const Texts& network = {}) {
    Texts sent{"COK",       "CTHS35F",  "CTLS5F",  "CHHS80F", "CHLS20F",
               "CPHS1050F", "CPLS950F", "CFHS40F", "CFLS10F", "CNHS" + nearHigh + "F",
               "CNLS15F",   "COK",      "CS1S10F", "COK",     "CS2S0F",
               "COK",       "CS3S0F",   "COK",     "CS4S9F",  "COK",
               "CSI"};
    sent.insert(sent.end(), network.begin(), network.end());
    sent.insert(sent.end(), test::kReadoutDatagrams.begin(), test::kReadoutDatagrams.end());
    return sent;
}
constexpr long long kRestoreMs = 900 + 10 * 600 + 5 * 900 + kReadoutPausesMs;

Texts NoVerify(Texts arguments) {
    arguments.insert(arguments.begin(), "--no-verify");
    return arguments;
}

const DeviceRunRow kRuns[] = {
    {{"connect"}, {"connect"}, Device::Answering, {"COK"}, true, "", 0, 900},
    {{"silent connect"}, {"connect"}, Device::Silent, {"COK"}, false, "not answering", 0, 2900},
    {{"read"}, {"read"}, Device::Answering, kWholeReadout, true, "", kAllValues, kReadoutPausesMs},
    // Nothing after an unanswered handshake, not a whole readout of empty replies.
    {{"silent read"}, {"read"}, Device::Silent, {"COK"}, false, "not answering", 0, 2900},
    // Every value handed over, empty, and the first silence named.
    {{"silent after the handshake"},
     {"read"},
     Device::SilentAfterHandshake,
     kWholeReadout,
     false,
     "no reply to CAS",
     kAllValues,
     kSilentReadsMs},
    // Everything up to ambient_high, then the list error; no read after it is sent.
    {{"short settings"},
     {"read"},
     Device::ShortSettings,
     kThroughSettings,
     false,
     "List index out of bounds (5)",
     static_cast<std::size_t>(ReadoutField::AmbientLow),
     protocol::kConnectSettleMs +
         static_cast<long long>(kThroughSettings.size() - 1) * 2 * protocol::kCommandPauseMs},
    {{"limits"},
     {"--no-verify", "set-limit", "cabinet", "30", "-10"},
     Device::Answering,
     {"COK", "CFHS30F", "CFLS10FN"},
     true,
     "CFHS30F = OK, CFLS10FN = OK",
     0,
     900 + 2 * 600},
    // The low limit goes out although the high one was refused.
    {{"refused limits"},
     {"--no-verify", "set-limit", "near", "45", "15"},
     Device::RefusingSettings,
     {"COK", "CNHS45F", "CNLS15F"},
     false,
     "CNHS45F = ERR, CNLS15F = ERR",
     0,
     900 + 2 * 600},
    {{"refused high, accepted low"},
     {"--no-verify", "set-limit", "near", "45", "15"},
     Device::RefusingOne,
     {"COK", "CNHS45F", "CNLS15F"},
     false,
     "CNHS45F = ERR, CNLS15F = OK",
     0,
     900 + 2 * 600},
    {{"hexadecimal limits go in decimal"},
     {"--no-verify", "set-limit", "humidity", "$1F", "-0x5"},
     Device::Answering,
     {"COK", "CHHS31F", "CHLS5FN"},
     true,
     "CHHS31F = OK, CHLS5FN = OK",
     0,
     900 + 2 * 600},
    {{"reply ending in CR LF"},
     {"set-calibration", "3"},
     Device::CrLfReplies,
     {"COK", "CFVS3F"},
     true,
     "CFVS3F = OK",
     0,
     900 + 600},
    {{"silent limits"},
     {"set-limit", "near", "45", "15"},
     Device::Silent,
     {"COK"},
     false,
     "not answering",
     0,
     2900},
    {{"calibration"},
     {"set-calibration", "-3"},
     Device::Answering,
     {"COK", "CFVS3FN"},
     true,
     "CFVS3FN = OK",
     0,
     900 + 600},
    // The clock read once, 900 ms into Wednesday 9 December 2026, 09:00:00.
    {{"clock"},
     {"--no-verify", "set-clock"},
     Device::Answering,
     {"COK", "COK", "CDYS9F", "COK", "CMHS12F", "COK", "CYRS26F", "COK", "CWSS3F", "COK", "CHRS9F",
      "COK", "CMES0F", "COK", "CSDS0F"},
     true,
     "Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi.",
     0,
     900 + 7 * 900},
    {{"refused clock"},
     {"--no-verify", "set-clock"},
     Device::RefusingSettings,
     {"COK", "COK", "CDYS9F", "COK", "CMHS12F", "COK", "CYRS26F", "COK", "CWSS3F", "COK", "CHRS9F",
      "COK", "CMES0F", "COK", "CSDS0F"},
     false,
     "Tarih: 09.12.2026Saat: 09:00:00 Set Edilemedi!",
     0,
     900 + 7 * 900},
    {{"address"},
     {"set-address", "gateway", "10.0.0.1"},
     Device::Answering,
     {"COK", "COK", "CG1S10F", "COK", "CG2S0F", "COK", "CG3S0F", "COK", "CG4S1F", "COK", "CGI"},
     true,
     "Varsayılan Ağ Geçidi 10.0.0.1 olarak set edildi. ",
     0,
     900 + 5 * 900},
    {{"refused middle octet"},
     {"--no-verify", "set-address", "server", "10.0.0.9"},
     Device::RefusingOne,
     {"COK", "COK", "CS1S10F", "COK", "CS2S0F", "COK", "CS3S0F", "COK", "CS4S9F"},
     false,
     "Modem IP Adresi Set Edilemedi!",
     0,
     900 + 4 * 900},
    // A refused octet: no commit.
    {{"refused address"},
     {"--no-verify", "set-address", "server", "10.0.0.9"},
     Device::RefusingSettings,
     {"COK", "COK", "CS1S10F", "COK", "CS2S0F", "COK", "CS3S0F", "COK", "CS4S9F"},
     false,
     "Modem IP Adresi Set Edilemedi!",
     0,
     900 + 4 * 900},
    {{"lost reply, read back as sent"},
     {"set-limit", "cabinet", "30", "-10"},
     Device::TookLimitsReplyLost,
     {"COK", "CFHS30F", "CFLS10FN", "CSS"},
     true,
     "CFHS30F = , CFLS10FN = OK",
     0,
     900 + 2600 + 2 * 600},
    {{"stale OK, read back otherwise"},
     {"set-limit", "cabinet", "30", "-10"},
     Device::Answering,
     {"COK", "CFHS30F", "CFLS10FN", "CSS"},
     false,
     "CFHS30F = OK, CFLS10FN = OK",
     0,
     900 + 3 * 600,
     "192.168.1.200:10001 failed CFHS30F = OK, CFLS10FN = OK cabinet_high=v10 (sent 30) "
     "cabinet_low=v11 (sent -10)"},
    {{"lost reply, read back twice unanswered"},
     {"set-limit", "cabinet", "30", "-10"},
     Device::SilentCabinetHigh,
     {"COK", "CFHS30F", "CFLS10FN", "CSS", "CSS"},
     false,
     "CFHS30F = , CFLS10FN = OK; read back: no reply",
     0,
     900 + 2600 + 600 + 2 * 2600,
     "192.168.1.200:10001 unconfirmed CFHS30F = , CFLS10FN = OK; read back: no reply"},
    {{"lost calibration reply"},
     {"set-calibration", "-3"},
     Device::SilentCabinetHigh,
     {"COK", "CFVS3FN"},
     false,
     "CFVS3FN = ",
     0,
     900 + 2600,
     "192.168.1.200:10001 unconfirmed CFVS3FN = "},
    {{"clock read back otherwise"},
     {"set-clock"},
     Device::Answering,
     {"COK", "COK", "CDYS9F", "COK", "CMHS12F", "COK", "CYRS26F", "COK", "CWSS3F", "COK", "CHRS9F",
      "COK", "CMES0F", "COK", "CSDS0F", "CSS"},
     false,
     "Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi.",
     0,
     900 + 7 * 900 + 600,
     "192.168.1.200:10001 failed Tarih: 09.12.2026Saat: 09:00:00   olarak set edildi. "
     "clock_offset_s=12598 (sent 0)"},
    // The device cannot report its addresses, so only a refusal would decide.
    {{"apply, a reply lost"},
     kApply,
     Device::SilentDnsLastOctet,
     kApplySent,
     false,
     "DNS Set Edilemedi!",
     0,
     900 + 19 * 900 + 2000,
     "192.168.1.200:10001 unconfirmed DNS Set Edilemedi!"},
    {{"apply without verdicts, a reply lost"},
     NoVerify(kApply),
     Device::SilentDnsLastOctet,
     kApplySent,
     false,
     "DNS Set Edilemedi!",
     0,
     900 + 19 * 900 + 2000,
     "192.168.1.200:10001 failed DNS Set Edilemedi!"},
    // No clock offset from a record that never came, not a zero one.
    {{"read, the settings unanswered"},
     {"read"},
     Device::SilentSettings,
     kWholeReadout,
     false,
     "no reply to CSS",
     kAllValues,
     kReadoutPausesMs + protocol::kReceiveTimeoutMs,
     "192.168.1.200:10001 failed no reply to CSS identity_record=KLV-2000|FW2.3|SN4711 "
     "identity=KLV-2000 address=192.168.1.200 port=10001 mac=00.04.A3.12.34.56 "
     "gateway=192.168.1.1 mask=255.255.255.0 dns=192.168.1.2 time=\"\" date=\"\" "
     "clock_offset_s=\"\" ambient_high=\"\" ambient_low=\"\" humidity_high=\"\" "
     "humidity_low=\"\" pressure_high=\"\" pressure_low=\"\" cabinet_high=\"\" "
     "cabinet_low=\"\" near_high=\"\" near_low=\"\" server=10.0.0.9 server_port=8080"},
    // Every setting taken, but the device kept its old near_high.
    {{"restore, a limit read back otherwise"},
     {"restore", "row.json"},
     Device::WholeNumberLimits,
     RestoreSent("50"),
     false,
     "",
     0,
     kRestoreMs,
     "192.168.1.200:10001 differs near_high=45 (file 50)",
     SettingsFile("50")},
    {{"restore with the network, the mask read back otherwise"},
     {"restore", "row.json", "--with-network"},
     Device::WholeNumberLimits,
     RestoreSent("45", {"COK", "CK1S255F", "COK", "CK2S255F", "COK", "CK3S0F",   "COK", "CK4S0F",
                        "COK", "CKI",      "COK", "CG1S192F", "COK", "CG2S168F", "COK", "CG3S1F",
                        "COK", "CG4S1F",   "COK", "CGI",      "COK", "CD1S192F", "COK", "CD2S168F",
                        "COK", "CD3S1F",   "COK", "CD4S2F",   "COK", "CDI"}),
     false,
     "",
     0,
     kRestoreMs + 15 * 900,
     "192.168.1.200:10001 differs mask=255.255.255.0 (file 255.255.0.0)",
     SettingsFile("45", "255.255.0.0")},
};

class DeviceRunTest : public ::testing::TestWithParam<DeviceRunRow> {
protected:
    kelvra::test::ManualClock clock;
    kelvra::test::ScriptedEndpoint endpoint{clock};
    kelvra::test::FakeHostNetwork network;
    DeviceTarget device{"192.168.1.200", "10001"};
    Texts log;
    ScriptConsole console{device, [this](const std::string& line) { log.push_back(line); }};
    TFKelvraDM dm{endpoint, clock, console, network};
};

TEST_P(DeviceRunTest, SendsAndJudges) {
    const DeviceRunRow& row = GetParam();
    Texts arguments{"--device", device.label()};
    arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
    endpoint.setResponder(Make(row.device).responder());
    Command command = ParseCommandLine(arguments).command;
    if (!row.settings.empty()) {
        command.settings = ParseSettingsFile(row.settings, "row.json");
    }

    const DeviceOutcome outcome = RunOnDevice(dm, command, device);

    EXPECT_EQ(endpoint.sentTexts(), row.sent);
    EXPECT_EQ(outcome.device, "192.168.1.200:10001");
    EXPECT_EQ(outcome.succeeded, row.succeeded);
    EXPECT_EQ(outcome.reason, row.reason);
    EXPECT_EQ(outcome.values.size(), row.values);
    EXPECT_EQ(clock.elapsedMs(), row.elapsedMs);
    if (*row.line != '\0') {
        EXPECT_EQ(FormatLine(outcome), row.line);
    }
    // The connect line, then one per exchange (a setting's handshake writes none) and
    // each readout's extra identity line.
    const auto handshakes = std::count(row.sent.begin() + 1, row.sent.end(), "COK");
    const auto identities = std::count(row.sent.begin(), row.sent.end(), "CAS");
    EXPECT_EQ(log.size(), row.sent.size() - handshakes + identities);
}

INSTANTIATE_TEST_SUITE_P(Rows, DeviceRunTest, ::testing::ValuesIn(kRuns), test::RowName{});

// The error ends the pair as a failure; its log line never came.
TEST_F(DeviceRunTest, SocketErrorBetweenTheLimitsFails) {
    endpoint.setResponder(Make(Device::ResetOnNearLow).responder());
    const DeviceOutcome outcome = RunOnDevice(
        dm, ParseCommandLine({"--device", "h", "set-limit", "near", "45", "15"}).command, device);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.reason, kReset);
    EXPECT_EQ(endpoint.sentTexts(), (Texts{"COK", "CNHS45F", "CNLS15F"}));
}

TEST_F(DeviceRunTest, ReadHandsOverEveryValueByField) {
    endpoint.setResponder(Make(Device::Answering).responder());
    const DeviceOutcome outcome =
        RunOnDevice(dm, ParseCommandLine({"--device", "h", "read"}).command, device);
    ASSERT_EQ(outcome.values.size(), std::size_t{kReadoutFieldCount});
    for (int at = 0; at < kReadoutFieldCount; ++at) {
        EXPECT_EQ(outcome.values[at].first, static_cast<ReadoutField>(at));
    }
    const auto value = [&outcome](ReadoutField field) {
        return outcome.values[static_cast<std::size_t>(field)].second;
    };
    EXPECT_EQ(value(ReadoutField::Identity), "KLV-2000");
    EXPECT_EQ(value(ReadoutField::Address), "192.168.1.200");
    EXPECT_EQ(value(ReadoutField::Mac), "00.04.A3.12.34.56");
    // The record came in 4.8 s after 09:00:00 and says 12:30:05 on the same day.
    EXPECT_EQ(value(ReadoutField::ClockOffset), "12601");
    EXPECT_EQ(value(ReadoutField::NearLow), "v13");
    EXPECT_EQ(value(ReadoutField::ServerPort), "8080");
}

// A scan asks each address for the handshake and, only when answered, the identity.
TEST_F(DeviceRunTest, ScanHostReadsTheIdentityOfAnAnsweringAddressOnly) {
    endpoint.setResponder(Make(Device::Silent).responder());
    EXPECT_FALSE(ScanHost(dm, device));
    EXPECT_EQ(endpoint.sentTexts(), Texts{"COK"});

    endpoint.setResponder(Make(Device::Answering).responder());
    const auto found = ScanHost(dm, device);
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->succeeded);
    EXPECT_EQ(found->values, (std::vector<std::pair<ReadoutField, std::string>>{
                                 {ReadoutField::IdentityRecord, "KLV-2000|FW2.3|SN4711"},
                                 {ReadoutField::Identity, "KLV-2000"},
                                 {ReadoutField::Address, "192.168.1.200"}}));
    EXPECT_EQ(endpoint.sentTexts(), (Texts{"COK", "COK", "CAS"}));

    endpoint.setResponder(Make(Device::SilentAfterHandshake).responder());
    const auto mute = ScanHost(dm, device);
    ASSERT_TRUE(mute);
    EXPECT_FALSE(mute->succeeded);
    EXPECT_EQ(mute->reason, "no reply to CAS");
}

} // namespace
} // namespace kelvra::cli
