// kelvra-cli's site tools as a program against simulators: scan in the private
// network, and settings files backed up, compared and restored.

#include "e2e/support/ChildProgram.h"
#include "e2e/support/PrivateNetwork.h"
#include "e2e/support/SimProcess.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::e2e {
namespace {

using Words = std::vector<std::string>;

ProgramRun Cli(const Words& arguments) {
    return RunProgram(KELVRA_CLI_PATH, arguments);
}

std::string Written(const std::string& name, const std::string& contents) {
    const std::string file = ::testing::TempDir() + name;
    std::ofstream(file) << contents;
    return file;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Three loggers of 127.0.0.16/28 on one port, the last one silent.
class SiteTools : public ::testing::Test {
protected:
    SimProcess first{{}, "127.0.0.17"};
    SimProcess second{{}, "127.0.0.20", first.port()};
    SimProcess silent{{"--silent"}, "127.0.0.29", first.port()};

    std::string device(const std::string& address) const {
        return address + ":" + first.portText();
    }
};

TEST_F(SiteTools, ScanFindsTheAnsweringLoggersOfTheRangeAndNothingElse) {
    KELVRA_REQUIRE_PRIVATE_NETWORK();
    const ProgramRun run = Cli({"--json", "scan", "127.0.0.16/28", "--port", first.portText()});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    const Words lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    for (const auto& [line, address] :
         {std::pair{lines[0], "127.0.0.17"}, {lines[1], "127.0.0.20"}}) {
        EXPECT_EQ(line, R"({"device":")" + device(address) +
                            R"(","result":"ok","values":{"identity_record":"KLV-DL200|FW2.4|)"
                            R"(SN20481","identity":"KLV-DL200","address":")" +
                            address + "\"}}");
    }
    // One handshake to the silent one and nothing after it.
    EXPECT_TRUE(silent.waitForLine("\"COK\""));
    EXPECT_FALSE(silent.waitForLine("\"CAS\"", 100));

    const ProgramRun empty = Cli({"scan", "127.0.0.32/30", "--port", first.portText()});
    EXPECT_EQ(empty.exitStatus, 1);
    EXPECT_TRUE(empty.out.empty()) << empty.out;

    // No route to the range: each host's send fails, its error one line of the log
    // under its name, and no host is taken for a logger that failed.
    const ProgramRun unrouted = Cli({"scan", "10.255.255.0/30", "--port", first.portText()});
    EXPECT_EQ(unrouted.exitStatus, 1);
    EXPECT_TRUE(unrouted.out.empty()) << unrouted.out;
    Words errors = Lines(unrouted.err);
    std::sort(errors.begin(), errors.end());
    ASSERT_EQ(errors.size(), 2u) << unrouted.err;
    for (const auto& [line, host] :
         {std::pair{errors[0], "10.255.255.1"}, {errors[1], "10.255.255.2"}}) {
        EXPECT_EQ(line.rfind("[" + device(host) + "] ", 0), 0u) << line;
        EXPECT_TRUE(Has(line, " Socket Error # 101 Network is unreachable")) << line;
    }
}

TEST_F(SiteTools, ABackupRestoredToAnotherLoggerLeavesOnlyALaterChangeToDiff) {
    ASSERT_EQ(
        Cli({"--device", device("127.0.0.17"), "set-limit", "ambient", "30", "-5"}).exitStatus, 0);
    const ProgramRun backup = Cli({"--json", "--device", device("127.0.0.17"), "read"});
    ASSERT_EQ(backup.exitStatus, 0) << backup.err;
    const std::string file = Written("kelvra-backup.json", backup.out);

    const ProgramRun restore = Cli({"--device", device("127.0.0.20"), "restore", file});
    EXPECT_EQ(restore.exitStatus, 0) << restore.out << restore.err;
    EXPECT_EQ(restore.out, device("127.0.0.20") + " ok\n");
    EXPECT_TRUE(second.waitForLine("CTLS is now -5"));
    // Never the device's own address.
    EXPECT_FALSE(second.waitForLine("\"CI1S", 100));

    const ProgramRun same = Cli({"--device", device("127.0.0.20"), "diff", file});
    EXPECT_EQ(same.exitStatus, 0) << same.out << same.err;
    EXPECT_EQ(same.out, device("127.0.0.20") + " ok\n");

    ASSERT_EQ(Cli({"--device", device("127.0.0.20"), "set-limit", "near", "50", "15"}).exitStatus,
              0);
    const ProgramRun changed = Cli({"diff", file, "--device", device("127.0.0.20")});
    EXPECT_EQ(changed.exitStatus, 1);
    EXPECT_EQ(changed.out, device("127.0.0.20") + " differs near_high=50 (file 45)\n");
}

// The file's limits and server, as read prints them, with near_high 50.
std::string SettingsLine(const std::string& device) {
    return R"({"device":")" + device +
           R"(","result":"ok","values":{"gateway":"192.168.1.1","mask":"255.255.255.0",)"
           R"("dns":"192.168.1.1","ambient_high":"35","ambient_low":"5","humidity_high":"80",)"
           R"("humidity_low":"20","pressure_high":"1050","pressure_low":"950",)"
           R"("cabinet_high":"40","cabinet_low":"10","near_high":"50","near_low":"15",)"
           R"("server":"192.168.1.100"}})"
           "\n";
}

TEST(SiteToolsRefused, RestoreReportsARefusedSettingAndFails) {
    SimProcess refusing{{"--refuse", "CNHS"}, "127.0.0.40"};
    const std::string device = "127.0.0.40:" + refusing.portText();
    const ProgramRun run =
        Cli({"--device", device, "restore", Written("kelvra-refused.json", SettingsLine(device))});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, device + " failed CNHS50F = ERR, CNLS15F = OK near_high=45 (file 50)\n");
}

TEST(SiteToolsRefused, ABadSettingsFileSendsNothing) {
    SimProcess sim{{}, "127.0.0.41"};
    const std::string device = "127.0.0.41:" + sim.portText();
    std::string line = SettingsLine(device);
    line.replace(line.find("\"50\""), 4, "\"5.0\"");
    const ProgramRun run = Cli({"restore", Written("kelvra-bad.json", line)});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(Has(run.err, "kelvra-bad.json:1: near_high: '5.0' is not a valid integer value"))
        << run.err;
    EXPECT_FALSE(sim.waitForLine("<-", 100));
}

} // namespace
} // namespace kelvra::e2e
