// kelvra-cli as a program against several simulators on their own loopback
// addresses: outcomes, exit statuses and the values each simulator holds.

#include "e2e/support/ChildProgram.h"
#include "e2e/support/SimProcess.h"
#include "support/NamedRow.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace kelvra::e2e {
namespace {

using Words = std::vector<std::string>;

// Three loggers: one that answers everything, one silent, one refusing the
// ambient limits.
class CliOverUdp : public ::testing::Test {
protected:
    SimProcess answering{{}, "127.0.0.2"};
    SimProcess silent{{"--silent"}, "127.0.0.3"};
    SimProcess refusing{{"--refuse", "CTHS,CTLS"}, "127.0.0.4"};

    static std::string Device(const std::string& address, const SimProcess& sim) {
        return address + ":" + sim.portText();
    }
    std::string answeringDevice() const { return Device("127.0.0.2", answering); }
    std::string silentDevice() const { return Device("127.0.0.3", silent); }
    std::string refusingDevice() const { return Device("127.0.0.4", refusing); }

    static ProgramRun Cli(const Words& arguments) { return RunProgram(KELVRA_CLI_PATH, arguments); }

    // The output line of one device; "" when there is none or more than one.
    static std::string LineOf(const ProgramRun& run, const std::string& device) {
        std::string found;
        int count = 0;
        for (const std::string& line : Lines(run.out)) {
            if (line.find("\"device\":\"" + device + "\"") != std::string::npos ||
                line.rfind(device + " ", 0) == 0) {
                found = line;
                ++count;
            }
        }
        return count == 1 ? found : std::string();
    }
};

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(CliOverUdp, ReadsEveryDeviceAtOnceAndReportsTheSilentOne) {
    const ProgramRun run = Cli({"--json", "--device", answeringDevice(), "--device", silentDevice(),
                                "--device", refusingDevice(), "read"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(Lines(run.out).size(), 3u);

    for (const auto& [address, sim] :
         {std::pair{"127.0.0.2", &answering}, {"127.0.0.4", &refusing}}) {
        const std::string line = LineOf(run, Device(address, *sim));
        EXPECT_TRUE(Has(line, R"("result":"ok")")) << line;
        // Each simulator reports the port it listens on.
        EXPECT_TRUE(Has(line, R"("port":")" + sim->portText() + "\"")) << line;
        EXPECT_TRUE(Has(line, R"("identity":"KLV-DL200","address":")" + std::string(address)))
            << line;
        EXPECT_TRUE(Has(line, R"("mac":"00.04.A3.12.34.56","gateway":"192.168.1.1",)"
                              R"("mask":"255.255.255.0","dns":"192.168.1.1")"))
            << line;
        EXPECT_TRUE(Has(line, R"("ambient_high":"35","ambient_low":"5","humidity_high":"80",)"
                              R"("humidity_low":"20","pressure_high":"1050","pressure_low":"950",)"
                              R"("cabinet_high":"40","cabinet_low":"10","near_high":"45",)"
                              R"("near_low":"15","server":"192.168.1.100",)"))
            << line;
        EXPECT_TRUE(Has(line, R"("server_port":"8080")")) << line;
    }
    EXPECT_EQ(LineOf(run, silentDevice()), R"({"device":")" + silentDevice() +
                                               R"(","result":"failed","reason":"not answering"})");
    // Only the handshake went to the silent one.
    EXPECT_FALSE(silent.waitForLine("\"CAS\"", 100));

    // The window's lines, each device's tagged with it.
    EXPECT_TRUE(Has(run.err, "[" + silentDevice() + "] ")) << run.err;
    EXPECT_TRUE(
        Has(run.err, " IP: 127.0.0.3 Port: " + silent.portText() + " cihaza bağlanılamadı.\n"));
    EXPECT_TRUE(Has(run.err, " CSR>>>192.168.1.100\n"));
}

TEST_F(CliOverUdp, LimitsLandOnlyWhereTheyAreAccepted) {
    const ProgramRun set = Cli({"--device", answeringDevice(), "--device", refusingDevice(),
                                "set-limit", "ambient", "30", "-5"});
    EXPECT_EQ(set.exitStatus, 1);
    EXPECT_EQ(LineOf(set, answeringDevice()), answeringDevice() + " ok CTHS30F = OK, CTLS5FN = OK");
    EXPECT_EQ(LineOf(set, refusingDevice()),
              refusingDevice() + " failed CTHS30F = ERR, CTLS5FN = ERR ambient_high=35 (sent 30) "
                                 "ambient_low=5 (sent -5)");

    const std::string file = ::testing::TempDir() + "kelvra-cli-devices.txt";
    std::ofstream(file) << "# the row\n"
                        << answeringDevice() << "\n\n"
                        << refusingDevice() << "  # refuses limits\n";
    const ProgramRun read = Cli({"--devices", file, "read"});
    EXPECT_EQ(read.exitStatus, 0) << read.out << read.err;
    EXPECT_TRUE(Has(LineOf(read, answeringDevice()), " ambient_high=30 ambient_low=-5 "));
    EXPECT_TRUE(Has(LineOf(read, refusingDevice()), " ambient_high=35 ambient_low=5 "));

    const ProgramRun calibrate = Cli({"--device", answeringDevice(), "set-calibration", "-3"});
    EXPECT_EQ(calibrate.exitStatus, 0);
    EXPECT_TRUE(answering.waitForLine("calibration is now -3"));
}

TEST_F(CliOverUdp, ClockAndAddressGoThroughConfirmedSettings) {
    const ProgramRun clock =
        Cli({"--device", answeringDevice(), "--device", silentDevice(), "set-clock"});
    EXPECT_EQ(clock.exitStatus, 1);
    EXPECT_TRUE(Has(LineOf(clock, answeringDevice()), " olarak set edildi.")) << clock.out;
    EXPECT_EQ(LineOf(clock, silentDevice()), silentDevice() + " failed not answering");
    EXPECT_TRUE(answering.waitForLine("clock is now"));

    const ProgramRun address =
        Cli({"--json", "--device", answeringDevice(), "set-address", "server", "10.1.2.3"});
    EXPECT_EQ(address.exitStatus, 0) << address.out << address.err;
    EXPECT_EQ(LineOf(address, answeringDevice()),
              R"({"device":")" + answeringDevice() +
                  R"(","result":"ok","reason":"Modem IP Adresi 10.1.2.3 olarak set edildi. "})");
    const ProgramRun read = Cli({"--device", answeringDevice(), "read"});
    EXPECT_TRUE(Has(LineOf(read, answeringDevice()), " server=10.1.2.3 ")) << read.out;
}

// The window's readdressing on a logger that takes it all and one that refuses the
// DNS: loopback is not 192.168.1.x, so each gets the warning, and both one request.
TEST_F(CliOverUdp, ApplyNamesTheAddressesADeviceDidNotTake) {
    const SimProcess refusingDns({"--refuse", "CD"}, "127.0.0.6");
    const std::string refusedDevice = Device("127.0.0.6", refusingDns);
    const ProgramRun run = Cli({"--device", answeringDevice(), "--device", refusedDevice, "apply",
                                "--address", "192.168.1.50", "--mask", "255.255.0.0", "--gateway",
                                "192.168.1.254", "--dns", "8.8.8.8"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(LineOf(run, answeringDevice()), answeringDevice() + " ok");
    EXPECT_EQ(LineOf(run, refusedDevice), refusedDevice + " failed DNS Set Edilemedi!");
    EXPECT_TRUE(answering.waitForLine("CD address is now 8.8.8.8"));
    EXPECT_TRUE(Has(run.err, "kelvra-cli: " + refusedDevice +
                                 ": Cihaza Verilen IP Adresi grubu ile bilgisayar ip adres "
                                 "grubu farklı.\n"));
    const std::string request = "kelvra-cli: Cihazın Enerjisini Kapatıp Tekrar Açınız.\n";
    EXPECT_EQ(run.err.find(request), run.err.size() - request.size()) << run.err;
    EXPECT_EQ(run.err.find(request), run.err.rfind(request));
}

struct Usage : test::NamedRow {
    Words arguments; // the answering device is added in front
    const char* message;
};

const Usage kUsages[] = {
    {{"unknown command"}, {"reboot"}, "unknown command 'reboot'"},
    {{"limit that is not an integer"},
     {"set-limit", "near", "45", "1.5"},
     "'1.5' is not a valid integer value"},
    {{"short address"},
     {"set-address", "gateway", "10.0.0"},
     "'10.0.0' is not an address of four dotted parts"},
    {{"apply without its DNS"},
     {"apply", "--address", "192.168.1.50", "--mask", "255.255.255.0", "--gateway", "192.168.1.1"},
     "apply needs --dns"},
    {{"missing device file"},
     {"--devices", "/nonexistent/devices.txt", "connect"},
     "cannot read the device file '/nonexistent/devices.txt'"},
};

class CliUsage : public CliOverUdp, public ::testing::WithParamInterface<Usage> {};

TEST_P(CliUsage, EndsWithStatusTwoAndSendsNothing) {
    Words arguments{"--device", answeringDevice()};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const ProgramRun run = Cli(arguments);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(Has(run.err, GetParam().message)) << run.err;
    EXPECT_FALSE(answering.waitForLine("<-", 100));
}

INSTANTIATE_TEST_SUITE_P(Rows, CliUsage, ::testing::ValuesIn(kUsages), test::RowName{});

struct LossyRun : test::NamedRow {
    const char* seed;
    const char* result;
    int exitStatus;
    const char* journal; // the settings the simulator took
};

const LossyRun kLossyRuns[] = {
    // Seed 16 lets the handshake and the low limit through, loses the high limit on
    // its way in and both read-backs: nobody can tell.
    {{"a set lost on its way and its read-backs are unconfirmed"},
     "16",
     R"("result":"unconfirmed")",
     1,
     R"({"what":"ambient_low","old":"5","new":"-5","datagram":"CTLS5FN"})"
     "\n"},
    // Seed 4 loses both replies of limits the simulator took: the read-back says ok.
    {{"lost replies of taken limits are ok"},
     "4",
     R"("result":"ok")",
     0,
     R"({"what":"ambient_high","old":"35","new":"30","datagram":"CTHS30F"})"
     "\n"
     R"({"what":"ambient_low","old":"5","new":"-5","datagram":"CTLS5FN"})"
     "\n"},
};

class CliOverLossyUdp : public ::testing::TestWithParam<LossyRun> {};

TEST_P(CliOverLossyUdp, TheVerdictAgreesWithTheJournal) {
    // One journal per row: ctest runs the rows at once.
    const std::string journal =
        ::testing::TempDir() + "kelvra-sim-journal-" + GetParam().seed + ".jsonl";
    std::remove(journal.c_str());
    const SimProcess lossy({"--loss", "0.3", "--seed", GetParam().seed, "--journal", journal},
                           "127.0.0.5");
    const ProgramRun run =
        RunProgram(KELVRA_CLI_PATH, {"--json", "--device", "127.0.0.5:" + lossy.portText(),
                                     "set-limit", "ambient", "30", "-5"});
    EXPECT_EQ(run.exitStatus, GetParam().exitStatus);
    EXPECT_TRUE(Has(run.out, GetParam().result)) << run.out;
    std::ifstream file(journal);
    const std::string taken{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(taken, GetParam().journal);
}

INSTANTIATE_TEST_SUITE_P(Rows, CliOverLossyUdp, ::testing::ValuesIn(kLossyRuns), test::RowName{});

TEST(CliHelp, PrintsTheUsageAndSucceeds) {
    const ProgramRun run = RunProgram(KELVRA_CLI_PATH, {"--help"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out.rfind("usage: kelvra-cli ", 0), 0u);
}

} // namespace
} // namespace kelvra::e2e
